"Ada Brook",101,40,2,(1,0),"Brook",0,"",0,1,7,0,0,0,,
"Ben Brook",102,42,1,(5,0),"Brook",0,"",0,1,7,0,0,0,,

"Ada Brook changed his or her name to Bo",7,8.",0,-1
"Ben Brook was bitten by a vampire.",1,-1


1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,
Brook,No

1
0
