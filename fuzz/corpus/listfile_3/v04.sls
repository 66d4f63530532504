"Ada Brook",40,2,1,6,"Brook",0,"",0,1,7,0,0,C:/pics/ada.jpg,Likes tea.
"Ben Brook",42,1,5,0,"Brook",0,"",0,1,7,0,4,,
"Cy Brook",8,1,8,0,"Brook",0,"",0,1,7,1,0,,
"Sue Study",30,2,5,3,"Dorm",1,"Biology",3,1,7,0,0,,Top of the class.

"Sue Study moved in with Cy Brook.",3,2


1,1,2,0,5,1,1,1,0,0,0,0,0,0,0,0,
Brook,Yes
Dorm,No

1,2
0,2
-1
-1
