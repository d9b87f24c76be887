Forme,Lemma,Traduzione,Cat. gramm.,"Caso, genere, numero","Modo, tempi, voce"
rex,rex,tr,N1,nom. m. sg.,_
regem,Rex,tr,N1,acc. m. sg.,_
reges,rex,tr,N1,nom. m. pl.,_
regum,rex,tr,N1,gén. m. pl.,_
