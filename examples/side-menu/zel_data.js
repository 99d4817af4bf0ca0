//Zelvane-Menuloom StyleNames
//ItemStyles
//End of ItemStyles
//SmStyles
//End of SmStyles
//End of StyleNames

var blankImage="";
var isHorizontal=0;
var menuWidth=180;
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
var fontStyle="normal 9pt Tahoma";
var fontColor=["#333333","#FFFFFF"];
var fontDecoration=["none","underline"];
var itemBackColor=["#F4F4F4","#2E7D5B"];
var itemBorderWidth=0;
var itemAlign="";
var itemBorderColor=["",""];
var itemBorderStyle=["",""];
var itemBackImage=["",""];
var itemSpacing=0;
var itemPadding=4;
var itemCursor="default";
var itemTarget="";
var iconTopWidth=16;
var iconTopHeight=16;
var iconWidth=16;
var iconHeight=16;
var menuBackImage="";
var menuBackColor="#F4F4F4";
var menuBorderColor="#B0B0B0 ";
var menuBorderStyle=["solid"];
var menuBorderWidth=1;
var subMenuAlign="";
var transparency=95;
var transition=24;
var transDuration=300;
var shadowColor="";
var shadowLen=0;
var arrowImageMain=["",""];
var arrowImageSub=["",""];
var arrowWidth=8;
var arrowHeight=8;
var separatorImage="";
var separatorWidth="90%";
var separatorHeight="1";
var separatorAlignment="center";
var separatorVImage="";
var separatorVWidth="0";
var separatorVHeight="0%";
var statusString="link";
var pressedItem=-2;
var pathPrefix="";
var topDX=0;
var topDY=0;
var DX=-3;
var DY=0;
var saveNavigationPath=0;

var menuItems = [
   ["Dashboard","dashboard.html","img/home.png","img/home-over.png","",,,],
   ["Mail","mail.html","img/mail.png","img/mail-over.png","",,,],
   ["|Inbox","inbox.html","","","",,,],
   ["|Sent","sent.html","","","",,,],
   ["|-","","","","",,,],
   ["|Archive","archive.html","","","",,,],
   ["-","","","","",,,],
   ["Settings","settings.html","img/gear.png","img/gear-over.png","",,,],
   ["|Profile","profile.html","","","",,,],
   ["|Security","security.html","","","",,,],
   ["Help","help.html","","","Read the manual",,,],
];

zel_init();
