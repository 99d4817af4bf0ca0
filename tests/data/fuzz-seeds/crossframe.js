var isHorizontal=1;
var menuWidth="150%";
var transition=30;
var itemTarget="main";
var menuBorderColor="#C0C0C0 #c0c0c0 #808080 ";
var itemBorderStyle=["solid","groove2"];
var fontStyle="bold 10pt Times New Roman";
zel_initFrame("fset",0,1,1);
