//ItemStyles
//First
//Second
//Third
//End of ItemStyles
//SmStyles
//Box
//End of SmStyles
var itemStyles = [
   ["itemBorderWidth=1",],
   [],
   ["no equals sign"],
   ["fontColor=#FF0000,crimson","fontDecoration=blink, underline","arrowImageSub=a/b.gif,c.gif"],
   ["colour=#FF0000"],
];
var menuStyles = [
   ["menuBorderColor=#808080","menuBackColor=#FFFFFF","menuBorderWidth=1","menuBorderStyle=solid","menuBackImage=m.gif"],
];
var menuItems = [
   ["A","","","","",,"2","0"],
];
