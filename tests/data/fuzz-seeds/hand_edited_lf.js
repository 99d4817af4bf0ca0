var   posX  =  17
var posY=abc;
var moveWidth=-5;
var statusString="a;b";
varmenuItems=[
["Home var posX=3;","a.html"],
  [" Tea, coffee ","t.html","img/t.gif","","x;y","_blank"," 3 ","x","extra"],
];
