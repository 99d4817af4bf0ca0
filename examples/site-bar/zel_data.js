//Zelvane-Menuloom StyleNames
//ItemStyles
//End of ItemStyles
//SmStyles
//End of SmStyles
//End of StyleNames

var blankImage="";
var isHorizontal=1;
var menuWidth="100%";
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
var fontStyle="bold 10pt Verdana";
var fontColor=["#FFFFFF","#1A3D6E"];
var fontDecoration=["none","none"];
var itemBackColor=["#1A3D6E","#DCE8F7"];
var itemBorderWidth=0;
var itemAlign="center";
var itemBorderColor=["",""];
var itemBorderStyle=["",""];
var itemBackImage=["",""];
var itemSpacing=0;
var itemPadding=6;
var itemCursor="hand";
var itemTarget="";
var iconTopWidth=0;
var iconTopHeight=0;
var iconWidth=0;
var iconHeight=0;
var menuBackImage="";
var menuBackColor="#FFFFFF";
var menuBorderColor="#1A3D6E #1A3D6E #1A3D6E #1A3D6E ";
var menuBorderStyle=["solid"];
var menuBorderWidth=1;
var subMenuAlign="left";
var transparency=100;
var transition=5;
var transDuration=200;
var shadowColor="#7F8C9D";
var shadowLen=3;
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
var statusString="text";
var pressedItem=-1;
var pathPrefix="";
var topDX=0;
var topDY=0;
var DX=-2;
var DY=2;
var saveNavigationPath=0;

var menuItems = [
   ["Home","index.html","","","Back to the start page",,,],
   ["Products","products.html","","","",,,],
   ["|Hardware","hardware.html","","","",,,],
   ["||Laptops","laptops.html","","","",,,],
   ["||Desktops","desktops.html","","","",,,],
   ["|Software","software.html","","","",,,],
   ["||Office suites","office.html","","","",,,],
   ["||Design tools","design.html","","","",,,],
   ["Services","services.html","","","",,,],
   ["|Consulting","consulting.html","","","",,,],
   ["|Training","training.html","","","",,,],
   ["Contact","contact.html","","","","_blank",,],
];

zel_init();
