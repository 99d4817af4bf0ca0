//Zelvane-Menuloom StyleNames
//ItemStyles
//Brand
//Fresh
//Quiet
//End of ItemStyles
//SmStyles
//Warm box
//Green box
//End of SmStyles
//End of StyleNames

var blankImage="";
var isHorizontal=1;
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
var fontStyle="normal 9pt Arial";
var fontColor=["#202020","#000000"];
var fontDecoration=["none","none"];
var itemBackColor=["#FAFAFA","#FFE9A8"];
var itemBorderWidth=0;
var itemAlign="";
var itemBorderColor=["",""];
var itemBorderStyle=["",""];
var itemBackImage=["",""];
var itemSpacing=1;
var itemPadding=5;
var itemCursor="default";
var itemTarget="";
var iconTopWidth=0;
var iconTopHeight=0;
var iconWidth=0;
var iconHeight=0;
var menuBackImage="";
var menuBackColor="#FFFFFF";
var menuBorderColor="#C0C0C0 #C0C0C0 #808080 #808080 ";
var menuBorderStyle=["solid"];
var menuBorderWidth=1;
var subMenuAlign="";
var transparency=100;
var transition=0;
var transDuration=250;
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
var topDY=1;
var DX=-5;
var DY=0;
var saveNavigationPath=0;

var itemStyles = [
   ["fontStyle=bold 10pt Georgia","fontColor=#FFFFFF,#FFF3C4","itemBackColor=#8E2430,#B23A48","itemBorderColor=#5E1820,#5E1820","itemBorderWidth=1","itemBorderStyle=solid,solid",],
   ["fontColor=#1B5E20,#FFFFFF","fontDecoration=none,underline","itemBackColor=#E8F5E9,#2E7D32",],
   ["fontStyle=normal 8pt Verdana","itemBorderColor=#9E9E9E,#616161","itemBorderWidth=1","itemBorderStyle=dotted,dashed",],
];

var menuStyles = [
   ["menuBorderColor=#5E1820","menuBackColor=#FFF8F0","menuBorderWidth=2","menuBorderStyle=double",],
   ["menuBorderColor=#2E7D32","menuBackColor=#F1F8E9","menuBorderWidth=1","menuBorderStyle=solid",],
];

var menuItems = [
   ["Studio","studio.html","","","",,"0","0"],
   ["|Portfolio","portfolio.html","","","",,,],
   ["|Clients","clients.html","","","",,"2",],
   ["Garden","garden.html","","","",,"1","1"],
   ["|Seeds","seeds.html","","","",,"1",],
   ["|Tools","tools.html","","","",,"1",],
   ["||Hand tools","hand.html","","","",,,],
   ["||Power tools","power.html","","","",,"2",],
   ["About","about.html","","","",,"2",],
];

zel_init();
