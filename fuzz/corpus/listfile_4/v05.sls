"Ada Brook",101,40,2,(0,0),(1,6,("Reach the Top of the Business Career",10,4)),"Brook",0,"",0,1,7,0,0,0,C:/pics/ada.jpg,Likes tea.;;Hates rain.
"Ben Brook",102,42,1,(5,0),"Brook",0,"",0,1,7,2,4,0,,
"Cy Brook",103,8,1,(8,0),"Brook",0,"",0,1,7,1,0,0,,
"Zoë Ünal",104,33,2,(3,4),"Ünal",0,"",0,1,7,0,1024,2,,Ça va – très bien, merci.
"Sue Study",-1,30,2,(5,3),"Dorm",1,"Biology",3,1,7,0,0,0,,Top of the class.
"Gus Ghost",105,50,1,(3,0),"At Large",0,"",0,0,3,0,0,0,,
"Rex",-1,20,1,(0,0),"Runaways",0,"",0,1,7,0,256,0,,

"Ada Brook had a baby girl named Dee Brook on day 1.",0,1
"Sue Study, Cy Brook and Zoë Ünal threw a party.",4,-1

"Ben Brook became a vampire.",1,-1
"----------------------------------------",-1,-1

1,1,2,0,5,1,1,1,C:/Program Files/SimPE/,0,0,0,0,0,0,0,0,
At Large,No
Brook,Yes
Dorm,No
Runaways,
Ünal,No

1,2
0,2
-1
-1
-1
-1
-1
