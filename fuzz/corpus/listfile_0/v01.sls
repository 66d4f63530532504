"Ada Brook",40,2,1,0,"",0,1,0,0,C:/pics/ada.jpg,Likes tea.;;Hates rain.
"Ben Brook",42,1,5,0,"",0,1,0,4,,
"Cy Brook",8,1,8,0,"",0,1,1,0,,
"Old Rex",20,1,0,0,"",0,1,0,256,,

"Ada Brook had a baby boy named Dan Brook on day 1.",0,1

"Cy Brook grew up well after six PM (eleven AM for pets). (Aspiration: Same)",2,-1
"----------------------------------------",-1,-1

1,1,2,0,5,1,1,1,
