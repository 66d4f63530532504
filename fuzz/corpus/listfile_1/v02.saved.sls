"Ada Brook",-1,40,2,(1,0),"Brook",0,"",0,1,7,0,0,0,C:/pics/ada.jpg,Likes tea.
"Ben Brook",-1,42,1,(5,0),"Brook",0,"",0,1,7,0,4,0,,
"Cy Brook",-1,8,1,(8,0),"Brook",0,"",0,1,7,1,0,0,,
"Rex",-1,20,1,(-1,0),"Runaways",0,"",0,1,7,0,256,0,,
"Gus Ghost",-1,50,1,(2,0),"At Large",0,"",0,0,3,0,0,0,,

"Ada Brook, Ben Brook and Cy Brook are on hold for 2 rotations.",0,-1

"Ben Brook became a vampire.",1,-1

1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,
At Large,No
Brook,Yes
Runaways,

-1
-1
-1
-1
-1
