"Ada Brook",40,2,2,"Brook",0,"",0,1,7,0,0,C:/pics/ada.jpg,Likes tea.
"Ben Brook",42,1,6,"Brook",0,"",0,1,7,0,4,,
"Cy Brook",8,1,1,"Brook",0,"",0,1,7,1,0,,
"Rex",20,1,0,"Runaways",0,"",0,1,7,0,256,,
"Gus Ghost",50,1,3,"At Large",0,"",0,0,3,0,0,,

"Ada Brook, Ben Brook and Cy Brook are on hold for 2 rotations.",0,-1

"Ben Brook became a vampire.",1,-1

1,1,2,0,5,1,1,1,
At Large,No
Brook,Yes
Runaways,

