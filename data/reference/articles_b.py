# Articles 81-158 of the JavaScript reference: (topic, text, example).
ARTICLES = [
("getting the list of methods of an object",
"The functions an object can call may sit on the object itself or on its prototype. Object.getOwnPropertyNames lists own names, including methods that are not enumerable.",
"""var methods = Object.getOwnPropertyNames(Array.prototype).filter(function (name) {
  return typeof Array.prototype[name] === "function";
});
console.log(methods.length + " array methods, e.g. " + methods.slice(0, 5).join(", "));"""),

("getting the list of properties of an object",
"Object.keys gives the names of an object's own enumerable properties, Object.values their values and Object.entries both as pairs.",
"""var book = { title: "Dune", pages: 412, year: 1965 };
console.log(Object.keys(book));    // ["title", "pages", "year"]
console.log(Object.values(book));  // ["Dune", 412, 1965]
Object.entries(book).forEach(function (pair) { console.log(pair[0] + ": " + pair[1]); });"""),

("getUTCDate method",
"date.getUTCDate() gives the day of the month, 1 to 31, in Coordinated Universal Time.",
"""var d = new Date(Date.UTC(2024, 2, 31, 23, 30));
console.log(d.getUTCDate()); // 31
console.log(d.getDate());    // depends on the local time zone"""),

("getUTCDay method",
"date.getUTCDay() gives the day of the week in UTC, 0 for Sunday to 6 for Saturday.",
"""var d = new Date(Date.UTC(2024, 0, 7));
console.log(d.getUTCDay()); // 0: a Sunday"""),

("getUTCFullYear method",
"date.getUTCFullYear() gives the four-digit year in UTC.",
"""var d = new Date(Date.UTC(2023, 11, 31, 23, 0));
console.log(d.getUTCFullYear()); // 2023"""),

("getUTCHours method",
"date.getUTCHours() gives the hour, 0 to 23, in UTC.",
"""var d = new Date(Date.UTC(2024, 0, 1, 15, 45));
console.log(d.getUTCHours()); // 15"""),

("getUTCMilliseconds method",
"date.getUTCMilliseconds() gives the milliseconds part, 0 to 999, in UTC.",
"""var d = new Date(Date.UTC(2024, 0, 1, 0, 0, 0, 123));
console.log(d.getUTCMilliseconds()); // 123"""),

("getUTCMinutes method",
"date.getUTCMinutes() gives the minutes, 0 to 59, in UTC.",
"""var d = new Date(Date.UTC(2024, 0, 1, 9, 5));
console.log(d.getUTCMinutes()); // 5"""),

("getUTCMonth method",
"date.getUTCMonth() gives the month in UTC, 0 for January to 11 for December.",
"""var d = new Date(Date.UTC(2024, 11, 25));
console.log(d.getUTCMonth()); // 11: December"""),

("getUTCSeconds method",
"date.getUTCSeconds() gives the seconds, 0 to 59, in UTC.",
"""var d = new Date(Date.UTC(2024, 0, 1, 0, 0, 30));
console.log(d.getUTCSeconds()); // 30"""),

("getYear method",
"date.getYear() gives the year minus 1900 (124 for 2024). It is deprecated because of that; use getFullYear.",
"""var d = new Date(2024, 0, 1);
console.log(d.getYear());     // 124
console.log(d.getFullYear()); // 2024"""),

("hash property",
"location.hash is the part of the address from the # on, naming a place in the page. Changing it scrolls to that place without reloading; the hashchange event reports changes.",
"""console.log("Current hash: '" + location.hash + "'");
window.addEventListener("hashchange", function () {
  console.log("Now at " + location.hash);
});
var url = new URL("https://example.com/page.html#contact");
console.log(url.hash); // "#contact\""""),

("height property",
"window.innerHeight gives the height of the window's viewport in pixels; an image's height property gives or sets its displayed height.",
"""console.log("Viewport: " + window.innerWidth + " x " + window.innerHeight);
var img = new Image(120, 80);
console.log(img.height); // 80
img.height = 40;
console.log(img.height); // 40"""),

("history property",
"window.history gives the window's session history: its length, and back, forward and go to move through it. Scripts cannot read the addresses of other pages in it.",
"""console.log("Pages in this tab's history: " + history.length);
var back = document.createElement("button");
back.textContent = "Back";
back.onclick = function () { history.back(); };
document.body.appendChild(back);"""),

("identifying the type of a value",
"typeof gives a string naming a value's type. It says \"object\" for null and for arrays, so use Array.isArray and === null for those.",
"""console.log(typeof 42, typeof "hi", typeof true); // number string boolean
console.log(typeof undefined, typeof function () {}); // undefined function
console.log(typeof null, Array.isArray([1, 2]));      // object true
console.log(new Date() instanceof Date);              // true"""),

("if...else statement",
"if (condition) runs a statement when the condition is truthy; an else part runs otherwise. Chains of else if test several conditions in turn.",
"""var mark = 72, grade;
if (mark >= 80) {
  grade = "A";
} else if (mark >= 60) {
  grade = "B";
} else {
  grade = "C";
}
console.log(grade); // "B\""""),

("ignoreCase property",
"regexp.ignoreCase is true when the regular expression was made with the i flag, which makes it match letters regardless of case.",
"""var pattern = /hello/i;
console.log(pattern.ignoreCase);   // true
console.log(pattern.test("HeLLo")); // true
console.log(/hello/.ignoreCase);   // false"""),

("Image object",
"new Image() makes an image element that is not yet in the page. Setting its src loads the picture, which is a way to load pictures before they are needed.",
"""var preload = new Image();
preload.onload = function () { console.log("Loaded " + preload.naturalWidth + " pixels wide"); };
preload.onerror = function () { console.log("Could not load the picture"); };
preload.alt = "Logo";
preload.src = "data:image/gif;base64,R0lGODlhAQABAAAAACw=";"""),

("images array",
"document.images lists the <img> elements of the page in document order.",
"""var pic = document.createElement("img");
pic.alt = "Spacer";
document.body.appendChild(pic);
console.log("Images in the page: " + document.images.length);
for (var i = 0; i < document.images.length; i++) {
  console.log(document.images[i].alt);
}"""),

("in operator",
"name in object gives true when the object or its prototype chain has a property of that name; for arrays it tests an index.",
"""var settings = { theme: "dark" };
console.log("theme" in settings);      // true
console.log("toString" in settings);   // true: inherited
console.log(2 in ["a", "b"]);          // false: no index 2
console.log("geolocation" in navigator);"""),

("increment (++) operator in loops",
"In the update part of a for loop, i++ and ++i do the same thing; the difference between them matters only when the value of the expression is used.",
"""var stars = "";
for (var i = 0; i < 5; ++i) {
  stars += "*";
}
console.log(stars); // "*****"
var n = 0;
console.log(n++ + ++n); // 0 + 2 = 2"""),

("Index",
"Choose a topic in the list to read about it, or type a word into the search field and press Enter to find the next topic that contains it. Copy Text puts the whole article on the clipboard; each article ends with an example that runs as it stands.",
"""console.log("Examples write their results to the browser's console.");"""),

("index property",
"The array given by match or exec has an index property: the position in the text where the match starts.",
"""var text = "The year 1969 was notable";
var found = text.match(/\\d{4}/);
console.log(found[0] + " at position " + found.index); // 1969 at position 9"""),

("isFinite function",
"isFinite(value) gives true when the value, converted to a number, is neither Infinity, -Infinity nor NaN. Number.isFinite does the same without converting.",
"""console.log(isFinite(100));         // true
console.log(isFinite(1 / 0));       // false
console.log(isFinite("12"));        // true: converted
console.log(Number.isFinite("12")); // false: not a number"""),

("isNaN function",
"isNaN(value) gives true when the value, converted to a number, is NaN. Number.isNaN is stricter and tests only the value NaN itself.",
"""var input = "abc";
if (isNaN(input)) console.log(input + " is not a number");
console.log(isNaN(undefined), Number.isNaN(undefined)); // true false
console.log(Number.isNaN(0 / 0)); // true"""),

("italics method",
"string.italics() wraps a string in <i> tags. It is obsolete; create an <em> or <i> element, or use CSS font-style.",
"""console.log("Note".italics()); // <i>Note</i>
var em = document.createElement("em");
em.textContent = "Note";
document.body.appendChild(em);"""),

("join method",
"array.join(separator) makes one string of all the items, separated by the given text (a comma when none is given).",
"""var parts = ["2024", "03", "15"];
console.log(parts.join("-"));      // "2024-03-15"
console.log(["a", "b", "c"].join()); // "a,b,c"
console.log(["x", "y"].join(""));  // "xy\""""),

("lastIndexOf method",
"string.lastIndexOf(text) gives the position of the last occurrence of a text, or -1. Arrays have the same method for items.",
"""var path = "images/photos/cat.jpg";
var slash = path.lastIndexOf("/");
console.log(path.substring(slash + 1)); // "cat.jpg"
console.log([1, 2, 1].lastIndexOf(1));  // 2"""),

("lastMatch property",
"RegExp.lastMatch (also RegExp[\"$&\"]) holds the text of the latest successful match. It is a legacy feature; use the array that exec or match gives.",
"""/wor\\w+/.test("hello world");
console.log(RegExp.lastMatch);   // "world"
var m = "hello world".match(/wor\\w+/);
console.log(m[0]);               // "world\""""),

("lastModified property",
"document.lastModified gives the date and time the page was last changed, as a string such as \"03/15/2024 10:30:00\".",
"""var changed = new Date(document.lastModified);
var stamp = document.createElement("p");
stamp.textContent = "Last updated: " + changed.toLocaleDateString();
document.body.appendChild(stamp);"""),

("lastParen property",
"RegExp.lastParen (also RegExp[\"$+\"]) holds the text of the last group of the latest match. It is a legacy feature; read the groups from the match array.",
"""/(\\d+)-(\\d+)/.exec("call 555-0199");
console.log(RegExp.lastParen); // "0199"
var m = /(\\d+)-(\\d+)/.exec("call 555-0199");
console.log(m[2]);             // "0199\""""),

("layers (positioned elements)",
"Layers were a Netscape 4 feature and no longer exist. Any element positioned with CSS does the same job: it can be placed, moved, stacked and hidden.",
"""var box = document.createElement("div");
box.textContent = "Floating box";
box.style.position = "absolute";
box.style.left = "50px";
box.style.top = "80px";
document.body.appendChild(box);
box.style.left = (parseInt(box.style.left, 10) + 20) + "px";"""),

("layers array",
"document.layers existed only in Netscape 4. To work with a group of positioned elements, select them with querySelectorAll.",
"""console.log(typeof document.layers); // "undefined" in current browsers
var panel = document.createElement("div");
panel.className = "layer";
document.body.appendChild(panel);
document.querySelectorAll(".layer").forEach(function (el) { el.style.position = "relative"; });"""),

("length property",
"length gives the number of characters in a string, items in an array, or elements in a collection. Setting an array's length shortens or extends it.",
"""console.log("hello".length);   // 5
var list = [1, 2, 3, 4];
console.log(list.length);     // 4
list.length = 2;
console.log(list);            // [1, 2]"""),

("link objects",
"Each <a href> and <area href> element is a link object. Besides href it offers the parts of the address: protocol, host, pathname, search and hash.",
"""var link = document.createElement("a");
link.href = "https://example.com/docs/page.html?id=7#top";
console.log(link.host, link.pathname, link.search, link.hash);
link.textContent = "Docs";
document.body.appendChild(link);"""),

("linkColor property",
"document.linkColor holds the colour of links not yet visited. It is obsolete; style a:link with CSS.",
"""console.log("Link colour: " + document.linkColor);
var style = document.createElement("style");
style.textContent = "a:link { color: #0645AD; }";
document.head.appendChild(style);"""),

("links",
"document.links lists the <a> and <area> elements of the page that have an href attribute.",
"""var a = document.createElement("a");
a.href = "#top";
a.textContent = "Top";
document.body.appendChild(a);
for (var i = 0; i < document.links.length; i++) {
  console.log(document.links[i].textContent + " -> " + document.links[i].href);
}"""),

("LN10 property",
"Math.LN10 is the natural logarithm of 10, about 2.303. Dividing a natural logarithm by it gives the base-10 logarithm.",
"""console.log(Math.LN10);                   // 2.302585092994046
console.log(Math.log(1000) / Math.LN10);  // about 3
console.log(Math.log10(1000));            // 3"""),

("LN2 property",
"Math.LN2 is the natural logarithm of 2, about 0.693. Dividing a natural logarithm by it gives the base-2 logarithm.",
"""console.log(Math.LN2);                 // 0.6931471805599453
console.log(Math.log(8) / Math.LN2);  // about 3
console.log(Math.log2(8));            // 3"""),

("location property",
"window.location describes the address of the page. Its parts can be read; assigning to location.href, or calling location.assign, loads another page.",
"""console.log(location.href);
console.log(location.protocol, location.pathname);
function goHome() {
  location.href = "index.html";
}"""),

("locationbar property",
"window.locationbar.visible tells whether the browser shows its address bar. Scripts can no longer hide it.",
"""console.log("Address bar visible: " + window.locationbar.visible);"""),

("log method",
"Math.log(x) gives the natural logarithm (base e) of x; Math.log10 and Math.log2 give the base-10 and base-2 logarithms. The logarithm of a negative number is NaN.",
"""console.log(Math.log(Math.E)); // 1
console.log(Math.log(1));      // 0
console.log(Math.log10(100));  // 2
console.log(Math.log(-1));     // NaN"""),

("LOG10E property",
"Math.LOG10E is the base-10 logarithm of e, about 0.434.",
"""console.log(Math.LOG10E);                       // 0.4342944819032518
console.log(Math.log(50) * Math.LOG10E);        // about log10(50)
console.log(Math.log10(50).toFixed(4));         // "1.6990\""""),

("LOG2E property",
"Math.LOG2E is the base-2 logarithm of e, about 1.443.",
"""console.log(Math.LOG2E);                    // 1.4426950408889634
console.log(Math.log(32) * Math.LOG2E);     // about 5"""),

("toLowerCase and toUpperCase methods",
"string.toLowerCase() gives the string in lower case and toUpperCase() in upper case; the original string is not changed. Lower-casing both sides makes a comparison ignore case.",
"""var answer = "YeS";
if (answer.toLowerCase() === "yes") console.log("Agreed");
console.log("shout".toUpperCase()); // "SHOUT\""""),

("lowsrc property",
"lowsrc named a small picture to show while the real image loaded. Browsers dropped it; use srcset and sizes to offer several sizes, and loading=\"lazy\" to defer pictures.",
"""var img = document.createElement("img");
img.alt = "Harbour";
img.loading = "lazy";
img.srcset = "harbour-small.jpg 480w, harbour-large.jpg 1200w";
img.sizes = "(max-width: 600px) 480px, 1200px";
console.log("lowsrc" in img); // false"""),

("mailto: (URL syntax)",
"A mailto: URL opens the user's e-mail program with a new message. The address follows the colon; subject and body go in the query part, encoded with encodeURIComponent.",
"""var link = document.createElement("a");
link.href = "mailto:info@example.com?subject=" + encodeURIComponent("Price list") +
  "&body=" + encodeURIComponent("Please send me your prices.");
link.textContent = "Write to us";
document.body.appendChild(link);"""),

("MAP element (image maps)",
"A <map> element with <area> elements makes parts of an image into links; the image names the map with its usemap attribute.",
"""var map = document.createElement("map");
map.name = "plan";
map.innerHTML = '<area shape="rect" coords="0,0,50,50" href="#north" alt="North wing">';
document.body.appendChild(map);
var img = document.createElement("img");
img.useMap = "#plan";
img.alt = "Floor plan";
document.body.appendChild(img);
console.log(map.areas.length); // 1"""),

("AREA elements of an image map",
"Each <area> of a map has a shape (rect, circle or poly), coords in pixels, an href and an alt text. Scripts find them through the map's areas collection.",
"""var map = document.createElement("map");
map.name = "world";
var area = document.createElement("area");
area.shape = "circle";
area.coords = "100,100,40";
area.href = "#europe";
area.alt = "Europe";
map.appendChild(area);
document.body.appendChild(map);
console.log(map.areas[0].alt, map.areas[0].coords);"""),

("match method",
"string.match(regexp) gives an array with the first match and its groups, or all matches when the regular expression has the g flag; it gives null when nothing matches.",
"""var text = "Call 555-1234 or 555-9876";
console.log(text.match(/\\d{3}-\\d{4}/)[0]);   // "555-1234"
console.log(text.match(/\\d{3}-\\d{4}/g));     // ["555-1234", "555-9876"]
console.log("abc".match(/x/));                // null"""),

("Math object",
"Math holds mathematical constants and functions: PI, E, abs, round, floor, ceil, min, max, pow, sqrt, random and the trigonometric functions. It is not a constructor.",
"""console.log(Math.PI.toFixed(4));       // "3.1416"
console.log(Math.max(3, 9, 4));        // 9
console.log(Math.floor(4.7), Math.ceil(4.2)); // 4 5
var radius = 2;
console.log("Area: " + (Math.PI * radius * radius).toFixed(2));"""),

("modulo of negative numbers",
"The % operator gives a remainder with the sign of the left operand. For a result that always lies between 0 and n - 1, add n and take the remainder again.",
"""function mod(a, n) {
  return ((a % n) + n) % n;
}
console.log(-1 % 7);     // -1
console.log(mod(-1, 7)); // 6
var weekday = mod(0 - 3, 7); // three days before Sunday
console.log(weekday);    // 4: Thursday"""),

("modulus (%) operator with decimals",
"% also works with fractions: it gives what is left after taking away whole multiples of the right operand. Rounding errors of floating-point numbers can show in the result.",
"""console.log(5.5 % 2);           // 1.5
console.log((0.3 % 0.1).toFixed(10)); // about 0.1, not 0, because of rounding
var seconds = 125;
console.log(Math.floor(seconds / 60) + " min " + (seconds % 60) + " s");"""),

("MouseDown event",
"mousedown fires when a mouse button is pressed over an element, before mouseup and click. event.button says which button: 0 left, 1 middle, 2 right.",
"""var pad = document.createElement("div");
pad.textContent = "Press here";
document.body.appendChild(pad);
pad.addEventListener("mousedown", function (event) {
  console.log("Button " + event.button + " pressed");
});
pad.dispatchEvent(new MouseEvent("mousedown", { bubbles: true, button: 0 }));"""),

("MouseMove event",
"mousemove fires repeatedly while the pointer moves over an element; clientX and clientY give its position in the viewport.",
"""var area = document.createElement("div");
area.style.height = "50px";
document.body.appendChild(area);
area.addEventListener("mousemove", function (event) {
  console.log("Pointer at " + event.clientX + ", " + event.clientY);
});
area.dispatchEvent(new MouseEvent("mousemove", { clientX: 12, clientY: 30 }));"""),

("MouseOut event",
"mouseout fires when the pointer leaves an element or moves into one of its children. mouseleave fires only when it leaves the element itself.",
"""var tip = document.createElement("span");
tip.textContent = "Hover me";
document.body.appendChild(tip);
tip.addEventListener("mouseout", function () { tip.style.background = ""; });
tip.addEventListener("mouseleave", function () { console.log("Left the element"); });
tip.dispatchEvent(new MouseEvent("mouseout", { bubbles: true }));
tip.dispatchEvent(new MouseEvent("mouseleave"));"""),

("MouseOver event",
"mouseover fires when the pointer moves onto an element or one of its children; mouseenter fires only for the element itself. For simple hover effects CSS :hover is often enough.",
"""var item = document.createElement("p");
item.textContent = "Menu item";
document.body.appendChild(item);
item.addEventListener("mouseover", function () { item.style.background = "#DDEEFF"; });
item.dispatchEvent(new MouseEvent("mouseover", { bubbles: true }));
console.log(item.style.background !== "");"""),

("MouseUp event",
"mouseup fires when a mouse button is released over an element. A click event follows when the press and the release were on the same element.",
"""var knob = document.createElement("div");
document.body.appendChild(knob);
knob.addEventListener("mouseup", function (event) {
  console.log("Released button " + event.button);
});
knob.dispatchEvent(new MouseEvent("mouseup", { bubbles: true, button: 0 }));"""),

("move event",
"Browsers have no event for a moved window. A script that must know can compare window.screenX and screenY from time to time.",
"""var lastX = window.screenX, lastY = window.screenY;
function checkMoved() {
  if (window.screenX !== lastX || window.screenY !== lastY) {
    lastX = window.screenX;
    lastY = window.screenY;
    console.log("Window moved to " + lastX + ", " + lastY);
  }
}
checkMoved();"""),

("moveAbove method",
"moveAbove put one Netscape layer above another. Stack positioned elements with the CSS z-index property: the higher value is drawn on top.",
"""var back = document.createElement("div");
var front = document.createElement("div");
[back, front].forEach(function (el) { el.style.position = "absolute"; document.body.appendChild(el); });
back.style.zIndex = 1;
front.style.zIndex = 2;
back.style.zIndex = Number(front.style.zIndex) + 1; // now back is above front
console.log(back.style.zIndex);"""),

("moveBelow method",
"moveBelow put one Netscape layer below another. Give the element a lower CSS z-index than the other one.",
"""var card = document.createElement("div");
var cover = document.createElement("div");
[card, cover].forEach(function (el) { el.style.position = "relative"; document.body.appendChild(el); });
cover.style.zIndex = 5;
card.style.zIndex = Number(cover.style.zIndex) - 1;
console.log(card.style.zIndex); // "4\""""),

("moveBy method",
"window.moveBy(dx, dy) moves a window by the given number of pixels. Browsers allow it only for windows a script opened itself.",
"""var popup = window.open("", "mover", "width=200,height=100");
if (popup) {
  popup.moveBy(50, 25);
}"""),

("moveTo method",
"window.moveTo(x, y) moves a window so that its top left corner is at the given screen position. Like moveBy, it works only on windows a script opened.",
"""var popup = window.open("", "placed", "width=200,height=100");
if (popup) {
  popup.moveTo(0, 0);
}"""),

("moveToAbsolute method",
"moveToAbsolute placed a Netscape layer at a page position. Set position: absolute and the left and top styles of an element instead.",
"""var marker = document.createElement("div");
marker.textContent = "X";
marker.style.position = "absolute";
document.body.appendChild(marker);
function placeAt(el, x, y) {
  el.style.left = x + "px";
  el.style.top = y + "px";
}
placeAt(marker, 120, 40);"""),

("NaN property",
"NaN (\"not a number\") is the result of a calculation that has no numeric answer, such as 0 / 0 or parseInt(\"abc\"). It is not equal to anything, even itself; test it with Number.isNaN.",
"""var value = parseInt("abc", 10);
console.log(value);               // NaN
console.log(value === NaN);       // false, always
console.log(Number.isNaN(value)); // true"""),

("natural logarithms",
"The natural logarithm is the logarithm to base e. Math.log gives it; Math.log1p(x) gives the logarithm of 1 + x precisely for small x.",
"""console.log(Math.log(10).toFixed(4)); // "2.3026"
var years = Math.log(2) / Math.log(1.07); // years to double at 7% growth
console.log(years.toFixed(1));          // "10.2"
console.log(Math.log1p(1e-10));         // about 1e-10, where Math.log(1 + 1e-10) loses digits"""),

("new operator",
"new makes an object from a constructor function or class: it creates the object, runs the constructor with this set to it, and gives it back.",
"""function Point(x, y) {
  this.x = x;
  this.y = y;
}
var p = new Point(3, 4);
console.log(p.x, p.y);                // 3 4
console.log(new Date(2024, 0, 1).getFullYear());
class Circle { constructor(r) { this.r = r; } }
console.log(new Circle(2).r);         // 2"""),

("next URL in history",
"history.go(n) moves n pages through the session history: 1 is the next page, -1 the previous one. Scripts cannot read the addresses themselves.",
"""var next = document.createElement("button");
next.textContent = "Next page";
next.addEventListener("click", function () { history.go(1); });
document.body.appendChild(next);
console.log("History length: " + history.length);"""),

("NOT (!) logical operator",
"! inverts a truth value. Two of them (!!) turn any value into the matching boolean.",
"""var name = "";
console.log(!name);       // true: the empty string is falsy
console.log(!!"text");    // true
console.log(!!0, !!{});   // false true"""),

("for...of statement",
"for (value of iterable) visits the values of an array, string, Map, Set or other iterable object in order.",
"""for (var letter of "abc") console.log(letter);
var total = 0;
for (var price of [2.5, 4, 1.25]) total += price;
console.log(total); // 7.75
for (var [key, value] of new Map([["a", 1], ["b", 2]])) console.log(key, value);"""),

("onAbort event handler",
"onabort runs when loading of an image, audio or video is stopped before it completes, for example by the user.",
"""var img = new Image();
img.onabort = function () { console.log("Image loading was stopped"); };
img.dispatchEvent(new Event("abort"));"""),

("onBlur event handler",
"onblur runs when an element loses the keyboard focus. It is a good moment to check what the user typed into a field.",
"""var field = document.createElement("input");
field.onblur = function () {
  if (field.value === "") console.log("Please fill in this field");
};
document.body.appendChild(field);
field.focus();
field.blur();"""),

("onChange event handler",
"onchange runs when the value of a field, list or check box has been changed and committed: for text fields, when the field loses the focus.",
"""var choice = document.createElement("select");
choice.innerHTML = "<option>Small</option><option>Large</option>";
choice.onchange = function () { console.log("Chosen: " + choice.value); };
document.body.appendChild(choice);
choice.selectedIndex = 1;
choice.dispatchEvent(new Event("change"));"""),

("onClick event handler",
"onclick runs when an element is clicked or activated from the keyboard. Returning false, or calling event.preventDefault(), stops the default action such as following a link.",
"""var button = document.createElement("button");
button.textContent = "Say hello";
button.onclick = function (event) {
  console.log("Hello from " + event.target.textContent);
};
document.body.appendChild(button);
button.click();"""),

("onDblClick event handler",
"ondblclick runs when an element is double-clicked. Each of the two clicks also fires its own click event first.",
"""var word = document.createElement("span");
word.textContent = "Double-click to edit";
word.ondblclick = function () { word.contentEditable = "true"; console.log("Editing"); };
document.body.appendChild(word);
word.dispatchEvent(new MouseEvent("dblclick", { bubbles: true }));"""),

("onDragDrop event handler",
"The old ondragdrop handler is gone. To accept dropped items, cancel dragover to allow a drop, then read event.dataTransfer in the drop handler.",
"""var zone = document.createElement("div");
zone.textContent = "Drop here";
zone.ondragover = function (event) { event.preventDefault(); };
zone.ondrop = function (event) {
  event.preventDefault();
  console.log("Dropped: " + event.dataTransfer.getData("text/plain"));
};
document.body.appendChild(zone);
var data = new DataTransfer();
data.setData("text/plain", "hello");
zone.dispatchEvent(new DragEvent("drop", { dataTransfer: data, cancelable: true }));"""),

("onError event handler",
"onerror on an image or script runs when it fails to load; window.onerror runs when a script error is not caught.",
"""var img = new Image();
img.onerror = function () {
  console.log("Missing picture, showing the alt text instead");
};
img.alt = "Company logo";
img.src = "data:image/png;base64,bm90IGFuIGltYWdl";"""),
]
