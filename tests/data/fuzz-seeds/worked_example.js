//Zelvane-Menuloom StyleNames
//ItemStyles
//Main
//End of ItemStyles
//SmStyles
//Box
//End of SmStyles
//End of StyleNames

var blankImage="";
var isHorizontal=0;
var menuWidth="0%";
var absolutePos=0;
var posX=0;
var posY=0;
var floatable=0;
var floatIterations=0;
var movable=0;
var moveCursor="default";
var moveImage="";
var moveWidth=0;
var moveHeight=0;
var fontStyle="normal 8pt Tahoma";
var fontColor=["",""];
var fontDecoration=["none","none"];
var itemBackColor=["",""];
var itemBorderWidth=0;
var itemAlign="";
var itemBorderColor=["",""];
var itemBorderStyle=["",""];
var itemBackImage=["",""];
var itemSpacing=0;
var itemPadding=0;
var itemCursor="default";
var itemTarget="";
var iconTopWidth=0;
var iconTopHeight=0;
var iconWidth=0;
var iconHeight=0;
var menuBackImage="";
var menuBackColor="";
var menuBorderColor="";
var menuBorderStyle=[""];
var menuBorderWidth=0;
var subMenuAlign="";
var transparency=100;
var transition=24;
var transDuration=300;
var shadowColor="";
var shadowLen=0;
var arrowImageMain=["",""];
var arrowImageSub=["",""];
var arrowWidth=0;
var arrowHeight=0;
var separatorImage="";
var separatorWidth="0%";
var separatorHeight="0";
var separatorAlignment="";
var separatorVImage="";
var separatorVWidth="0";
var separatorVHeight="0%";
var statusString="link";
var pressedItem=-2;
var pathPrefix="";
var topDX=0;
var topDY=0;
var DX=-5;
var DY=0;
var saveNavigationPath=0;

var itemStyles = [
   ["fontStyle=bold 10pt Verdana","fontColor=#000000,#FFFFFF","itemBackColor=#E0E0E0,#3060C0",],
];

var menuStyles = [
   ["menuBorderColor=#808080","menuBackColor=#FFFFFF","menuBorderWidth=1","menuBorderStyle=solid",],
];

var menuItems = [
   ["Home","index.html","","","Start page",,"0",],
   ["Products","","","","",,"0","0"],
   ["|Tools","tools.html","img/tools.gif","","","_blank",,],
];

zel_init();
