var posX=5;
var posY=99999999999;
var DX=7;
