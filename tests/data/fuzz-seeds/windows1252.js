//ItemStyles
//Café
//End of ItemStyles
var itemStyles = [
   ["fontStyle=bold 10pt Verdana",],
];
var menuItems = [
   ["Café € “q”","","","","",,"0",],
];
