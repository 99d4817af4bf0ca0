var menuItems = [
["||first"],
["|||child"],
["one"],
["|two"],
["|three"],
["||four"],
["five"],
["|||||jump"],
["A]B","lost"],
["x];y"],
["after"],
];
zel_init();
