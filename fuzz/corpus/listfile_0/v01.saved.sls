"Ada Brook",-1,40,2,(1,0),"",0,"",0,1,7,0,0,0,C:/pics/ada.jpg,Likes tea.;;Hates rain.
"Ben Brook",-1,42,1,(5,0),"",0,"",0,1,7,0,4,0,,
"Cy Brook",-1,8,1,(8,0),"",0,"",0,1,7,1,0,0,,
"Old Rex",-1,20,1,(0,0),"",0,"",0,1,7,0,0,0,,

"Ada Brook had a baby boy named Dan Brook on day 1.",0,1

"Cy Brook grew up well after six PM (eleven AM for pets). (Aspiration: Same)",2,-1
"----------------------------------------",-1,-1

1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,

-1
-1
-1
-1
