//Zelvane-Menuloom StyleNames
//ItemStyles
//Style Home 0
//Style Products 1
//Style Services 2
//Style Support 3
//Style About 4
//Style Contact 5
//Style News 6
//Style Downloads 7
//Style Tools 8
//Style Partners 9
//Style Careers 10
//Style Events 11
//End of ItemStyles
//SmStyles
//Box 0
//Box 1
//Box 2
//Box 3
//Box 4
//End of SmStyles
//End of StyleNames

var blankImage="";
var isHorizontal=1;
var menuWidth="0%";
var absolutePos=1;
var posX=39;
var posY=19;
var floatable=0;
var floatIterations=0;
var movable=0;
var moveCursor="default";
var moveImage="";
var moveWidth=0;
var moveHeight=0;
var fontStyle="bold 9pt Verdana";
var fontColor=["#000000","#FFFFFF"];
var fontDecoration=["none","none"];
var itemBackColor=["#E0E0E0","#3060C0"];
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
var menuBackColor="#FFFFFF";
var menuBorderColor="#C0C0C0 #C0C0C0 #808080 #808080 ";
var menuBorderStyle=[""];
var menuBorderWidth=1;
var subMenuAlign="";
var transparency=100;
var transition=19;
var transDuration=300;
var shadowColor="";
var shadowLen=0;
var arrowImageMain=["img/arrow.gif","img/arrowover.gif"];
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
   ["fontStyle=normal 13pt Times New Roman","fontColor=#20E222,#7BE5EC","fontDecoration=underline,underline","itemBackColor=#ECF2A6,#F8E9B7","itemBorderStyle=dashed,dotted","itemBackImage=img/back23.gif,img/backover37.gif","arrowImageMain=img/arrow28.gif,img/arrowover22.gif",],
   ["fontStyle=300 7pt Times New Roman","fontColor=#6DC19B,#39B8A0","fontDecoration=line-through,line-through","itemBorderColor=#166C13,#794583",],
   ["fontDecoration=none,overline","itemBackColor=#DB3C20,#F8CD9D","itemBorderWidth=3","itemBorderStyle=ridge,solid","arrowImageSub=img/subarrow7.gif,img/subarrowover21.gif"],
   ["fontColor=#430E88,#AFBB94","itemBackColor=#064B1D,#55755E","itemBorderWidth=1","arrowImageMain=img/arrow20.gif,img/arrowover27.gif",],
   ["fontStyle=500 9pt Georgia","itemBackColor=#29C7A9,#3A1636","itemBorderColor=#05B7B6,#1CD55E","itemBorderWidth=3","itemBorderStyle=none,dashed","arrowImageMain=img/arrow27.gif,img/arrowover37.gif",],
   ["fontColor=#81729B,#8088BB","fontDecoration=line-through,overline","itemBackColor=#855E1D,#D79DB5","itemBorderWidth=1","itemBorderStyle=none,none","itemBackImage=img/back34.gif,img/backover18.gif",],
   ["itemBorderStyle=inset,outset",],
   ["itemBorderColor=#19E3C7,#1362FD","itemBackImage=img/back4.gif,img/backover0.gif","arrowImageMain=img/arrow33.gif,img/arrowover35.gif","arrowImageSub=img/subarrow22.gif,img/subarrowover24.gif"],
   ["fontStyle=200 10pt Georgia","fontDecoration=overline,underline","itemBorderStyle=none,dotted","itemBackImage=img/back37.gif,img/backover6.gif","arrowImageMain=img/arrow8.gif,img/arrowover22.gif",],
   ["itemBackColor=#2ECF23,#294312","itemBorderWidth=1","itemBackImage=img/back1.gif,img/backover16.gif","arrowImageMain=img/arrow18.gif,img/arrowover28.gif","arrowImageSub=img/subarrow22.gif,img/subarrowover6.gif"],
   ["fontStyle=600 15pt Verdana","fontDecoration=none,underline","itemBackColor=#C5D39A,#351219","itemBorderStyle=solid,outset","arrowImageMain=img/arrow36.gif,img/arrowover14.gif",],
   ["fontColor=#A99BAC,#539E79","itemBorderStyle=ridge,none","itemBackImage=img/back26.gif,img/backover36.gif","arrowImageSub=img/subarrow27.gif,img/subarrowover37.gif"],
];

var menuStyles = [
   ["menuBackColor=#FE00A1",],
   ["menuBorderColor=#BA5D8B","menuBackImage=img/menuback4.gif"],
   ["menuBorderColor=#A7A520","menuBorderWidth=0","menuBorderStyle=solid",],
   ["menuBorderColor=#0340B1","menuBorderStyle=none","menuBackImage=img/menuback3.gif"],
   ["menuBorderColor=#38909A","menuBackColor=#A5B8F3","menuBorderStyle=none","menuBackImage=img/menuback16.gif"],
];

var menuItems = [
   ["Services 0","pages/Services0.html","","","",,"3",],
   ["|Downloads 1","pages/Downloads1.html","","","",,"7","4"],
   ["|Pricing 2","pages/Pricing2.html","","","Open Pricing, page 2",,"9","3"],
   ["||Partners 3","pages/Partners3.html","img/icon13.gif","img/iconover13.gif","Open Partners, page 3",,"4",],
   ["Archive 4","pages/Archive4.html","","","",,"7","0"],
   ["|Help 5","pages/Help5.html","","","",,,],
   ["||Settings 6","pages/Settings6.html","","","",,,],
   ["|Reports 7","pages/Reports7.html","","","",,"9",],
   ["|Downloads 8","pages/Downloads8.html","img/icon17.gif","","",,,"0"],
   ["|Archive 9","pages/Archive9.html","img/icon1.gif","img/iconover27.gif","",,"11","0"],
   ["||Gallery 10","pages/Gallery10.html","","","",,"2","3"],
   ["||Pricing 11","pages/Pricing11.html","","","",,,"4"],
   ["|||Gallery 12","","","","Open Gallery, page 12",,"8",],
   ["|||Events 13","","img/icon5.gif","img/iconover10.gif","",,"9",],
   ["||Home 14","pages/Home14.html","img/icon7.gif","","",,"6",],
   ["|||News 15","pages/News15.html","","","","_top",,"3"],
   ["||About 16","","","","Open About, page 16",,,],
   ["|||Settings 17","pages/Settings17.html","","","",,,],
   ["Help 18","pages/Help18.html","","","",,,],
   ["|Careers 19","pages/Careers19.html","","","",,"7","4"],
   ["Downloads 20","pages/Downloads20.html","","","",,,"4"],
   ["|Events 21","","","","","_parent","3",],
   ["Support 22","pages/Support22.html","","","","main","8","2"],
   ["Support 23","pages/Support23.html","","","",,,"3"],
   ["|Contact 24","","","","Open Contact, page 24",,"4","0"],
   ["||About 25","pages/About25.html","img/icon30.gif","","Open About, page 25","_self","3",],
   ["|||Careers 26","pages/Careers26.html","","","Open Careers, page 26",,"1",],
   ["|||Help 27","pages/Help27.html","","","","_top","5","1"],
   ["|||Support 28","pages/Support28.html","","","",,"9","4"],
   ["|||Products 29","pages/Products29.html","","","",,"1",],
   ["|||Support 30","pages/Support30.html","","","Open Support, page 30","_blank",,"4"],
   ["|||News 31","","","","",,"5",],
   ["||Settings 32","pages/Settings32.html","","","Open Settings, page 32",,"4",],
   ["|||Tools 33","pages/Tools33.html","","","","_top",,],
   ["|||Events 34","pages/Events34.html","img/icon38.gif","","",,,],
   ["Contact 35","pages/Contact35.html","img/icon27.gif","img/iconover33.gif","Open Contact, page 35","main","7","0"],
   ["|About 36","pages/About36.html","","","",,"10",],
   ["|News 37","pages/News37.html","","","",,"0",],
   ["||Archive 38","pages/Archive38.html","","","Open Archive, page 38",,"7",],
   ["||Downloads 39","pages/Downloads39.html","","","Open Downloads, page 39",,"3",],
   ["|||Partners 40","pages/Partners40.html","img/icon14.gif","img/iconover21.gif","Open Partners, page 40",,"4",],
   ["|||News 41","pages/News41.html","","","",,"10","1"],
   ["|||Home 42","","","","",,,],
   ["News 43","pages/News43.html","","","",,"6","3"],
   ["|Products 44","pages/Products44.html","","","Open Products, page 44",,"4",],
   ["Gallery 45","pages/Gallery45.html","","","",,"11",],
   ["|Home 46","","","","",,,],
   ["||Contact 47","pages/Contact47.html","","","",,"11",],
   ["|||-","","","","",,"5","0"],
   ["||Help 49","","","","Open Help, page 49",,"6",],
   ["|||Products 50","pages/Products50.html","","","",,"10",],
   ["|||Support 51","pages/Support51.html","","","Open Support, page 51",,"0",],
   ["|||Services 52","","","","",,"9",],
   ["|||Downloads 53","","","","",,,"2"],
   ["|||Downloads 54","","","","",,,"4"],
   ["|||Settings 55","pages/Settings55.html","","","",,,"0"],
   ["|||About 56","pages/About56.html","","","Open About, page 56",,"2",],
   ["|||Tools 57","pages/Tools57.html","","","Open Tools, page 57",,"10",],
   ["|||Products 58","pages/Products58.html","","","",,,"2"],
   ["|||Home 59","pages/Home59.html","","","",,"8",],
];

zel_initFrame("frames",0,1,0);
