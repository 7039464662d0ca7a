# Articles 159-237 of the JavaScript reference: (topic, text, example).
ARTICLES = [
("onFocus event handler",
"onfocus runs when an element receives the keyboard focus, for example to highlight the field being filled in.",
"""var field = document.createElement("input");
field.onfocus = function () { field.style.outline = "2px solid orange"; };
document.body.appendChild(field);
field.focus();
console.log(field.style.outline !== "");"""),

("onKeyDown event handler",
"onkeydown runs when a key is pressed, and again while it repeats. event.key names the key (\"a\", \"Enter\", \"ArrowUp\").",
"""var box = document.createElement("input");
box.onkeydown = function (event) {
  if (event.key === "Enter") console.log("Enter pressed with: " + box.value);
};
document.body.appendChild(box);
box.value = "query";
box.dispatchEvent(new KeyboardEvent("keydown", { key: "Enter" }));"""),

("onKeyPress event handler",
"onkeypress ran for keys that produce characters. It is deprecated: use keydown to react to keys, or the input event to follow what was typed.",
"""var box = document.createElement("input");
box.addEventListener("input", function () { console.log("Now: " + box.value); });
box.addEventListener("keydown", function (event) {
  if (event.key.length === 1 && !/[0-9]/.test(event.key)) event.preventDefault(); // digits only
});
document.body.appendChild(box);
box.value = "42";
box.dispatchEvent(new Event("input"));"""),

("onKeyUp event handler",
"onkeyup runs when a key is released. It is a convenient place to update a character count after each key.",
"""var text = document.createElement("textarea");
var count = document.createElement("span");
text.onkeyup = function () { count.textContent = text.value.length + " characters"; };
document.body.appendChild(text);
document.body.appendChild(count);
text.value = "Hello";
text.dispatchEvent(new KeyboardEvent("keyup", { key: "o" }));
console.log(count.textContent); // "5 characters\""""),

("onLoad event handler",
"window.onload runs when the page and all its pictures and style sheets have loaded. To start as soon as the HTML is ready, listen for DOMContentLoaded instead.",
"""window.addEventListener("load", function () {
  console.log("Everything has loaded");
});
document.addEventListener("DOMContentLoaded", function () {
  console.log("The HTML is ready");
});"""),

("onMouseDown event handler",
"onmousedown runs when a mouse button is pressed over an element, for example to start dragging.",
"""var handle = document.createElement("div");
handle.textContent = "Drag me";
handle.onmousedown = function (event) {
  console.log("Start dragging at " + event.clientX + ", " + event.clientY);
};
document.body.appendChild(handle);
handle.dispatchEvent(new MouseEvent("mousedown", { clientX: 5, clientY: 5 }));"""),

("onMouseMove event handler",
"onmousemove runs each time the pointer moves over an element; keep the handler short because it runs often.",
"""var canvasArea = document.createElement("div");
var trail = [];
canvasArea.onmousemove = function (event) { trail.push([event.offsetX, event.offsetY]); };
document.body.appendChild(canvasArea);
canvasArea.dispatchEvent(new MouseEvent("mousemove", { clientX: 3, clientY: 4 }));
console.log(trail.length + " point(s) recorded");"""),

("onMouseOut event handler",
"onmouseout runs when the pointer leaves an element, and is often paired with onmouseover to undo a highlight.",
"""var link = document.createElement("a");
link.href = "#";
link.textContent = "Hover";
link.onmouseover = function () { link.style.color = "red"; };
link.onmouseout = function () { link.style.color = ""; };
document.body.appendChild(link);
link.dispatchEvent(new MouseEvent("mouseover"));
link.dispatchEvent(new MouseEvent("mouseout"));
console.log("Colour after leaving: '" + link.style.color + "'");"""),

("onMouseOver event handler",
"onmouseover runs when the pointer moves onto an element, for example to show a hint or swap a picture.",
"""var pic = document.createElement("img");
pic.alt = "Button";
pic.onmouseover = function () { pic.title = "Click to continue"; };
document.body.appendChild(pic);
pic.dispatchEvent(new MouseEvent("mouseover"));
console.log(pic.title);"""),

("onMouseUp event handler",
"onmouseup runs when a mouse button is released over an element, for example to end a drag.",
"""var dragging = true;
var area = document.createElement("div");
area.onmouseup = function () {
  dragging = false;
  console.log("Drag finished");
};
document.body.appendChild(area);
area.dispatchEvent(new MouseEvent("mouseup"));
console.log(dragging); // false"""),

("onMove event handler",
"onmove belonged to old browsers and has no successor. Respond to the window's size with the resize event; its position can only be read from screenX and screenY.",
"""window.addEventListener("resize", function () {
  console.log("Window now " + window.innerWidth + " wide at " + window.screenX);
});"""),

("onReset event handler",
"A form's onreset runs when the form is reset, before the fields return to their initial values. Calling event.preventDefault() cancels the reset.",
"""var form = document.createElement("form");
form.innerHTML = '<input name="q" value="start">';
form.onreset = function (event) {
  if (!confirm("Clear the form?")) event.preventDefault();
};
document.body.appendChild(form);
form.elements.q.value = "changed";
form.reset();
console.log(form.elements.q.value);"""),

("onResize event handler",
"window.onresize runs when the browser window changes size. For layouts prefer CSS media queries; use the event for things CSS cannot do.",
"""function showSize() {
  console.log("Viewport " + window.innerWidth + " x " + window.innerHeight);
}
window.addEventListener("resize", showSize);
showSize();"""),

("onSelect event handler",
"onselect runs when the user selects text inside a text field or text area.",
"""var field = document.createElement("input");
field.value = "Select part of this";
field.onselect = function () {
  console.log("Selected: " + field.value.substring(field.selectionStart, field.selectionEnd));
};
document.body.appendChild(field);
field.setSelectionRange(0, 6);
field.dispatchEvent(new Event("select"));"""),

("onSubmit event handler",
"A form's onsubmit runs when the form is about to be sent. Calling event.preventDefault() stops the sending, for example when a field is not filled in.",
"""var form = document.createElement("form");
form.innerHTML = '<input name="email"><button>Send</button>';
form.onsubmit = function (event) {
  if (form.elements.email.value.indexOf("@") < 0) {
    event.preventDefault();
    console.log("Please give an e-mail address");
  }
};
document.body.appendChild(form);
form.dispatchEvent(new Event("submit", { cancelable: true }));"""),

("onUnload event handler",
"unload is not reliable and stops pages from being kept in the browser's back/forward cache. Use pagehide, or visibilitychange to save data when the user leaves.",
"""window.addEventListener("pagehide", function () {
  console.log("Leaving the page");
});
document.addEventListener("visibilitychange", function () {
  if (document.visibilityState === "hidden") console.log("Save the draft now");
});"""),

("open method",
"window.open(url, name, features) opens a new window or tab and gives back its window object, or null when a pop-up blocker stopped it. Call it from a click so it is not blocked.",
"""var button = document.createElement("button");
button.textContent = "Open help";
button.onclick = function () {
  var help = window.open("help.html", "help", "width=400,height=300");
  if (!help) console.log("The pop-up was blocked");
};
document.body.appendChild(button);
button.click();"""),

("pageX property",
"event.pageX gives the horizontal position of the pointer relative to the whole document, including the part scrolled out of view; clientX is relative to the viewport.",
"""document.addEventListener("click", function report(event) {
  console.log("pageX " + event.pageX + ", clientX " + event.clientX);
  document.removeEventListener("click", report);
});
document.body.dispatchEvent(new MouseEvent("click", { bubbles: true, clientX: 40, clientY: 10 }));"""),

("pageXOffset property",
"window.pageXOffset, the same as window.scrollX, gives how many pixels the document is scrolled to the right.",
"""console.log(window.pageXOffset === window.scrollX); // true
console.log("Scrolled " + window.scrollX + " pixels across");"""),

("pageY property",
"event.pageY gives the vertical position of the pointer relative to the whole document; clientY is relative to the viewport.",
"""var spot = document.createElement("div");
spot.onclick = function (event) { console.log("Clicked at page y " + event.pageY); };
document.body.appendChild(spot);
spot.dispatchEvent(new MouseEvent("click", { clientY: 25 }));"""),

("pageYOffset property",
"window.pageYOffset, the same as window.scrollY, gives how many pixels the document is scrolled down. A \"back to top\" button can appear once it passes a limit.",
"""window.addEventListener("scroll", function () {
  console.log(window.pageYOffset > 300 ? "Show the top button" : "Hide the top button");
});
console.log("Now scrolled " + window.pageYOffset + " pixels down");"""),

("parse method",
"Date.parse(text) reads a date written as text and gives its time in milliseconds, or NaN. Only the ISO format (2024-03-15T10:30:00) is read the same way by every browser.",
"""var ms = Date.parse("2024-03-15T10:30:00Z");
console.log(ms);                         // 1710498600000
console.log(new Date(ms).toISOString()); // "2024-03-15T10:30:00.000Z"
console.log(Date.parse("not a date"));   // NaN"""),

("parseFloat function",
"parseFloat(text) reads a decimal number from the start of a text and ignores what follows; it gives NaN when the text does not start with a number.",
"""console.log(parseFloat("3.75kg"));  // 3.75
console.log(parseFloat("  -0.5"));  // -0.5
console.log(parseFloat("kg 3"));    // NaN
var width = parseFloat("12.5px") * 2;
console.log(width);                 // 25"""),

("parseInt function",
"parseInt(text, radix) reads a whole number from the start of a text in the given base. Always pass the base, usually 10.",
"""console.log(parseInt("42px", 10));  // 42
console.log(parseInt("ff", 16));    // 255
console.log(parseInt("101", 2));    // 5
console.log(parseInt("3.9", 10));   // 3"""),

("pathname property",
"location.pathname, or the pathname of a link or URL, is the path part of an address: from the first / after the host up to ? or #.",
"""var url = new URL("https://example.com/shop/items.html?id=3#reviews");
console.log(url.pathname);        // "/shop/items.html"
console.log(location.pathname.split("/").pop()); // this page's file name"""),

("print method",
"window.print() opens the browser's print dialog for the page. A print style sheet (@media print) decides what gets printed.",
"""var printButton = document.createElement("button");
printButton.textContent = "Print this page";
printButton.onclick = function () { window.print(); };
document.body.appendChild(printButton);"""),

("prompt method",
"window.prompt(message, default) asks the user for a line of text in a modal box and gives the text, or null when the user cancels.",
"""var answer = prompt("Your name?", "friend");
if (answer === null) {
  console.log("Cancelled");
} else {
  console.log("Hello, " + answer);
}"""),

("raised to a power",
"Math.pow(base, exponent), or the ** operator, raises a number to a power. A fractional exponent gives a root.",
"""console.log(Math.pow(2, 10)); // 1024
console.log(2 ** 10);         // 1024
console.log(16 ** 0.5);       // 4: a square root
console.log(Math.cbrt(27));   // 3: for cube roots use Math.cbrt
var amount = 1000 * (1 + 0.05) ** 3;
console.log(amount.toFixed(2)); // "1157.63\""""),

("random method",
"Math.random() gives a pseudo-random number from 0 up to but not including 1. Scale and round it for whole numbers; use crypto.getRandomValues when the value must be unpredictable.",
"""function randomInt(min, max) {
  return Math.floor(Math.random() * (max - min + 1)) + min;
}
console.log("Die shows " + randomInt(1, 6));
var colours = ["red", "green", "blue"];
console.log(colours[Math.floor(Math.random() * colours.length)]);"""),

("referrer property",
"document.referrer gives the address of the page that linked to this one, or an empty string when there is none or the browser withholds it.",
"""if (document.referrer) {
  console.log("You came from " + document.referrer);
} else {
  console.log("No referring page");
}"""),

("regular expressions",
"A regular expression describes a pattern of text, written /pattern/flags or made with new RegExp. test checks for a match; match, replace and split use patterns on strings.",
"""var postcode = /^[A-Z]{2}\\d{3}$/;
console.log(postcode.test("AB123")); // true
console.log(postcode.test("ab123")); // false
var words = "one,  two three".split(/[\\s,]+/);
console.log(words); // ["one", "two", "three"]"""),

("replace method",
"string.replace(pattern, replacement) gives a new string with the first match replaced, or every match when the pattern has the g flag (or with replaceAll). $1, $2 in the replacement stand for groups.",
"""console.log("a-b-c".replace("-", "+"));     // "a+b-c"
console.log("a-b-c".replace(/-/g, "+"));    // "a+b+c"
console.log("Smith, Ann".replace(/(\\w+), (\\w+)/, "$2 $1")); // "Ann Smith"
console.log("x".replaceAll("x", "y"));      // "y\""""),

("reserved words",
"Reserved words such as break, case, class, const, function, if, let, new, return, this, typeof, var and while cannot be used as names of variables or functions. They can be used as property names.",
"""var settings = { class: "wide", new: true }; // fine as property names
console.log(settings.class, settings.new);
var className = "wide"; // a variable needs another name
console.log(className);"""),

("reset method",
"form.reset() returns every field of a form to its initial value, as a reset button does.",
"""var form = document.createElement("form");
form.innerHTML = '<input name="city" value="Paris">';
document.body.appendChild(form);
form.elements.city.value = "Rome";
form.reset();
console.log(form.elements.city.value); // "Paris\""""),

("resizeBy method",
"window.resizeBy(dw, dh) makes a window wider or taller by the given pixels. Browsers allow it only for windows a script opened.",
"""var popup = window.open("", "grow", "width=200,height=150");
if (popup) {
  popup.resizeBy(100, 50);
}"""),

("resizeTo method",
"window.resizeTo(width, height) sets the outer size of a window that a script opened.",
"""var popup = window.open("", "sized", "width=200,height=150");
if (popup) {
  popup.resizeTo(640, 480);
}"""),

("return statement",
"return ends a function and gives its value to the caller; a function without return, or with a bare return, gives undefined.",
"""function area(width, height) {
  if (width <= 0 || height <= 0) return 0;
  return width * height;
}
function nothing() { return; }
console.log(area(3, 4), area(-1, 4), nothing()); // 12 0 undefined"""),

("round method",
"Math.round(x) rounds to the nearest whole number; halves round up (towards positive infinity). For a fixed number of decimals use toFixed, which gives a string.",
"""console.log(Math.round(2.5), Math.round(-2.5)); // 3 -2
console.log(Math.round(1.2345 * 100) / 100);     // 1.23
console.log((1.2345).toFixed(2));                // "1.23\""""),

("screenX property",
"window.screenX gives the distance in pixels from the left edge of the screen to the window.",
"""console.log("Window is " + window.screenX + " pixels from the left of the screen");"""),

("screenY property",
"window.screenY gives the distance in pixels from the top edge of the screen to the window.",
"""console.log("Window is " + window.screenY + " pixels from the top of the screen");"""),

("scroll method",
"window.scroll(x, y), the same as scrollTo, scrolls the document to a position. An options object can ask for smooth scrolling.",
"""window.scroll(0, 0);
window.scroll({ top: 0, left: 0, behavior: "smooth" });
console.log("Scrolled to the top");"""),

("scrollbars property",
"window.scrollbars.visible tells whether the window shows scroll bars. Scripts cannot switch them; the CSS overflow property controls scrolling of elements.",
"""console.log("Scroll bars visible: " + window.scrollbars.visible);
var box = document.createElement("div");
box.style.height = "60px";
box.style.overflow = "auto";
document.body.appendChild(box);"""),

("scrollBy method",
"window.scrollBy(dx, dy) scrolls the document by the given number of pixels from where it is now.",
"""var down = document.createElement("button");
down.textContent = "Page down";
down.onclick = function () { window.scrollBy(0, window.innerHeight * 0.9); };
document.body.appendChild(down);
down.click();"""),

("scrollTo method",
"window.scrollTo(x, y) scrolls the document so that the given point is at the top left. element.scrollIntoView() brings an element into view instead.",
"""window.scrollTo(0, 0);
var heading = document.createElement("h2");
heading.textContent = "Section";
document.body.appendChild(heading);
heading.scrollIntoView();
window.scrollTo(0, 0);"""),

("search method",
"string.search(regexp) gives the position of the first match of a regular expression, or -1. location.search is different: the query part of the address, from the ?.",
"""console.log("Order no. 4521".search(/\\d/)); // 10
console.log("abc".search(/x/));               // -1
var params = new URLSearchParams("?q=maps&page=2");
console.log(params.get("q"), params.get("page")); // maps 2"""),

("setDate method",
"date.setDate(day) sets the day of the month. Numbers past the end of the month roll over into the next, which makes adding days easy.",
"""var d = new Date(2024, 0, 30);
d.setDate(d.getDate() + 5);
console.log(d.getMonth(), d.getDate()); // 1 4: 4 February"""),

("setFullYear method",
"date.setFullYear(year, month, day) sets the year, and optionally the month and day, in local time.",
"""var d = new Date(2020, 1, 29);
d.setFullYear(2024);
console.log(d.toDateString()); // "Thu Feb 29 2024"
d.setFullYear(2025);
console.log(d.getMonth(), d.getDate()); // 2 1: no 29 February in 2025"""),

("setHours method",
"date.setHours(hours, minutes, seconds, ms) sets the time of day in local time; setHours(0, 0, 0, 0) gives the start of the day.",
"""var d = new Date();
d.setHours(0, 0, 0, 0);
console.log("Midnight today: " + d.toLocaleString());"""),

("setMilliseconds method",
"date.setMilliseconds(ms) sets the milliseconds part, 0 to 999; larger numbers carry into the seconds.",
"""var d = new Date(2024, 0, 1, 0, 0, 0);
d.setMilliseconds(1500);
console.log(d.getSeconds(), d.getMilliseconds()); // 1 500"""),

("setMinutes method",
"date.setMinutes(minutes) sets the minutes in local time; adding to getMinutes() moves the time forward.",
"""var meeting = new Date(2024, 4, 10, 9, 45);
meeting.setMinutes(meeting.getMinutes() + 30);
console.log(meeting.getHours() + ":" + meeting.getMinutes()); // 10:15"""),

("setMonth method",
"date.setMonth(month, day) sets the month, 0 for January to 11 for December. A day that does not exist in the new month rolls over into the next one.",
"""var d = new Date(2024, 0, 31);
d.setMonth(1); // 31 February does not exist
console.log(d.getMonth(), d.getDate()); // 2 2: 2 March
var safe = new Date(2024, 0, 31);
safe.setMonth(1, 1);
console.log(safe.getMonth(), safe.getDate()); // 1 1"""),

("setSeconds method",
"date.setSeconds(seconds) sets the seconds in local time.",
"""var d = new Date(2024, 0, 1, 12, 0, 0);
d.setSeconds(90);
console.log(d.getMinutes(), d.getSeconds()); // 1 30"""),

("setTimeout method",
"setTimeout(function, delay) runs a function once after a delay in milliseconds and gives an id that clearTimeout can cancel. Pass a function, not a string of code.",
"""var id = setTimeout(function () {
  console.log("One moment later");
}, 10);
var cancelled = setTimeout(function () { console.log("never shown"); }, 20);
clearTimeout(cancelled);
console.log("Timer " + id + " started");"""),

("sort method",
"array.sort(compare) sorts an array in place. Without a compare function items are sorted as strings, so numbers need one.",
"""var numbers = [10, 9, 1, 100];
console.log(numbers.slice().sort());                 // [1, 10, 100, 9]
numbers.sort(function (a, b) { return a - b; });
console.log(numbers);                                // [1, 9, 10, 100]
var names = ["émile", "Zoe", "adam"];
names.sort(function (a, b) { return a.localeCompare(b); });
console.log(names);"""),

("splice method",
"array.splice(start, deleteCount, items...) removes items from an array and inserts new ones in their place, changing the array; it gives the removed items.",
"""var list = ["a", "b", "c", "d"];
var removed = list.splice(1, 2, "x");
console.log(removed); // ["b", "c"]
console.log(list);    // ["a", "x", "d"]
list.splice(1, 0, "y"); // insert without removing
console.log(list);    // ["a", "y", "x", "d"]"""),

("split method",
"string.split(separator, limit) cuts a string into an array of parts at each separator, which may be a text or a regular expression.",
"""console.log("red,green,blue".split(","));   // ["red", "green", "blue"]
console.log("a b  c".split(/\\s+/));          // ["a", "b", "c"]
console.log("hello".split(""));              // ["h", "e", "l", "l", "o"]
console.log("1-2-3".split("-", 2));          // ["1", "2"]"""),

("sqrt method",
"Math.sqrt(x) gives the square root of x, or NaN for a negative x.",
"""console.log(Math.sqrt(81));   // 9
console.log(Math.sqrt(2).toFixed(4)); // "1.4142"
var dx = 3, dy = 4;
console.log(Math.sqrt(dx * dx + dy * dy)); // 5
console.log(Math.hypot(dx, dy));           // 5"""),

("src property",
"The src property of an image, script, frame or media element holds the address it loads. Setting it loads the new address; reading it gives the full URL.",
"""var img = document.createElement("img");
img.alt = "Picture";
img.src = "photos/sunset.jpg";
console.log(img.src);                 // the full address
console.log(img.getAttribute("src")); // "photos/sunset.jpg\""""),

("String function",
"String(value) converts any value to text; new String makes a wrapper object, which is rarely wanted. Template literals also turn values into text.",
"""console.log(String(42) + String(true));  // "42true"
console.log(String(null), String([1, 2]));  // "null" "1,2"
var count = 3;
console.log(`${count} items`);            // "3 items\""""),

("submit event",
"The submit event fires on a form when it is about to be sent, whether by a submit button or by pressing Enter in a field. Listen on the form, not the button.",
"""var form = document.createElement("form");
form.innerHTML = '<input name="q"><button type="submit">Go</button>';
form.addEventListener("submit", function (event) {
  event.preventDefault();
  console.log("Search for: " + new FormData(form).get("q"));
});
document.body.appendChild(form);
form.elements.q.value = "maps";
form.requestSubmit();"""),

("submit method",
"form.submit() sends a form without firing the submit event and without checking the fields. form.requestSubmit() acts like a click on a submit button, running the checks and the event.",
"""var form = document.createElement("form");
form.action = "search.html";
form.innerHTML = '<input name="q" required>';
document.body.appendChild(form);
function sendNow() {
  form.submit(); // no submit event, no checks
}
console.log(form.checkValidity()); // false: the required field is empty"""),

("substring method",
"string.substring(start, end) gives the characters from start up to but not including end. slice does the same and also accepts negative positions counted from the end.",
"""var text = "JavaScript";
console.log(text.substring(0, 4)); // "Java"
console.log(text.substring(4));    // "Script"
console.log(text.slice(-6));       // "Script\""""),

("sup method",
"string.sup() wraps a string in <sup> tags for superscript. It is obsolete; create a <sup> element instead.",
"""console.log("2".sup()); // <sup>2</sup>
var p = document.createElement("p");
p.append("E = mc");
var power = document.createElement("sup");
power.textContent = "2";
p.appendChild(power);
document.body.appendChild(p);"""),

("switch statement",
"switch compares a value with each case using === and runs the statements from the first matching case until a break; default runs when nothing matches.",
"""var day = new Date(2024, 0, 6).getDay();
var kind;
switch (day) {
  case 0:
  case 6:
    kind = "weekend";
    break;
  default:
    kind = "weekday";
}
console.log(kind); // "weekend\""""),

("tan method",
"Math.tan(x) gives the tangent of an angle in radians.",
"""console.log(Math.tan(0));                      // 0
console.log(Math.tan(Math.PI / 4).toFixed(3)); // "1.000"
var height = 10 * Math.tan(30 * Math.PI / 180);
console.log(height.toFixed(2));                // "5.77\""""),

("this keyword",
"this is the object a function was called on: the object before the dot in a method call, the new object in a constructor, the element in an event handler. Arrow functions take this from the code around them.",
"""var counter = {
  count: 0,
  add: function () { this.count++; return this.count; }
};
counter.add();
console.log(counter.add()); // 2
var button = document.createElement("button");
button.onclick = function () { console.log(this === button); }; // true
button.click();"""),

("title property",
"document.title gives or sets the text of the page's <title>, shown in the browser's tab. An element's title property is the hint shown over it.",
"""var oldTitle = document.title;
document.title = "Unread: 3";
console.log(document.title);
document.title = oldTitle;
var help = document.createElement("abbr");
help.textContent = "CSS";
help.title = "Cascading Style Sheets";
document.body.appendChild(help);"""),

("undefined property",
"undefined is the value of a variable that has not been given one, of a missing property or argument, and of a function that returns nothing.",
"""var x;
console.log(x === undefined);            // true
var user = {};
console.log(user.age === undefined);     // true
console.log(typeof notDeclared === "undefined"); // safe for undeclared names
console.log(user.address?.city);          // undefined, no error"""),

("unescape function",
"unescape(text) decodes %xx and %uxxxx codes made by escape. It is deprecated; decode URL parts with decodeURIComponent.",
"""console.log(unescape("a%20b%21"));            // "a b!"
console.log(decodeURIComponent("a%20b%21"));   // "a b!"
console.log(decodeURIComponent("%E2%82%AC"));  // "€\""""),

("valueOf method",
"valueOf gives the primitive value of an object. JavaScript calls it when an object is used in arithmetic or comparison; a date's valueOf is its time in milliseconds.",
"""var d = new Date(2024, 0, 1);
console.log(d.valueOf() === d.getTime()); // true
var price = { amount: 5, valueOf: function () { return this.amount; } };
console.log(price * 3);  // 15
console.log(new Number(7).valueOf()); // 7"""),

("var statement",
"var declares a variable scoped to the whole function (or the page). let and const, scoped to the block, are usually better: const for values that are not reassigned.",
"""var total = 0;
for (var i = 0; i < 3; i++) total += i;
console.log(i); // 3: var is visible after the loop
const rate = 0.2;
let price = 100;
price = price * (1 + rate);
console.log(price); // 120"""),

("visibility property",
"The CSS visibility style hides an element (\"hidden\") while keeping its space; display: \"none\" removes it from the layout. document.visibilityState tells whether the page itself is visible.",
"""var note = document.createElement("p");
note.textContent = "Now you see me";
document.body.appendChild(note);
note.style.visibility = "hidden";
console.log(getComputedStyle(note).visibility); // "hidden"
note.style.visibility = "visible";
console.log(document.visibilityState);"""),

("vlinkColor property",
"document.vlinkColor holds the colour of visited links. It is obsolete; style a:visited with CSS.",
"""console.log("Visited link colour: " + document.vlinkColor);
var style = document.createElement("style");
style.textContent = "a:visited { color: purple; }";
document.head.appendChild(style);"""),

("void operator",
"void expression evaluates the expression and gives undefined. It was used in javascript: links; a button with a click handler is the better choice.",
"""console.log(void 0);        // undefined
console.log(void (2 + 3));  // undefined
var button = document.createElement("button");
button.type = "button";
button.textContent = "Do it";
button.addEventListener("click", function () { console.log("done"); });
document.body.appendChild(button);"""),

("while statement",
"while (condition) repeats its body as long as the condition is true, testing it before each pass, so the body may not run at all.",
"""var n = 1;
while (n < 100) {
  n *= 2;
}
console.log(n); // 128
var queue = ["a", "b"];
while (queue.length) console.log("Handling " + queue.shift());"""),

("with statement",
"with (object) makes the object's properties usable as plain names inside its body. It makes code hard to read, and strict mode forbids it; use a short variable instead.",
"""var box = { width: 4, height: 3 };
with (box) {
  console.log(width * height); // 12
}
var b = box;
console.log(b.width * b.height); // the clearer way"""),

("write method",
"document.write(html) adds HTML to the page while it is being loaded. Called after loading it replaces the whole page, so scripts normally change the page through the DOM instead.",
"""document.write("<p>Written while the page loads</p>");
var later = document.createElement("p");
later.textContent = "Added through the DOM";
document.body.appendChild(later);"""),

("writeln method",
"document.writeln(html) is document.write followed by a line break. The break shows only inside elements such as <pre> that keep line breaks.",
"""document.writeln("<pre>");
document.writeln("line one");
document.writeln("line two");
document.writeln("</pre>");"""),

("zIndex property",
"element.style.zIndex sets the stacking order of a positioned element: higher numbers are drawn over lower ones.",
"""var front = document.createElement("div");
front.style.position = "absolute";
front.style.zIndex = "10";
document.body.appendChild(front);
console.log(getComputedStyle(front).zIndex); // "10\""""),
]
