# Articles 1-80 of the JavaScript reference: (topic, text, example).
ARTICLES = [
("-- (decrement) operator",
"Subtracts one from a variable. Written before the variable (--i) the expression gives the new value; written after it (i--) it gives the old value.",
"""var count = 3;
var before = count--; // before is 3, count is now 2
var after = --count;  // after is 1, count is now 1
console.log(before, after, count);"""),

("! (logical NOT) operator",
"Turns a value into a boolean and inverts it. Falsy values (false, 0, \"\", null, undefined, NaN) give true; everything else gives false.",
"""var list = [];
if (!list.length) {
  console.log("The list is empty");
}
console.log(!0, !"text"); // true false"""),

("!= (not equal) operator",
"Compares two values after converting them to a common type and gives true when they differ. Prefer !== (strict not equal), which never converts.",
"""console.log(5 != "5");  // false: "5" is converted to 5
console.log(5 !== "5"); // true: a number is not a string
console.log(null != undefined); // false"""),

("% (modulus) operator",
"Gives the remainder of dividing the left operand by the right one. The result takes the sign of the left operand.",
"""console.log(17 % 5);  // 2
console.log(-17 % 5); // -2
for (var i = 1; i <= 6; i++) {
  if (i % 2 === 0) console.log(i + " is even");
}"""),

("&& (logical AND) operator",
"Gives its left operand when that is falsy, otherwise its right operand. The right side is not evaluated when the left is falsy, which makes && useful as a guard.",
"""var user = { name: "Ann" };
var age = 25;
if (age >= 18 && age < 65) console.log("Working age");
console.log(user && user.name); // "Ann\""""),

(", (comma) operator",
"Evaluates its operands from left to right and gives the value of the last one. It is mostly seen in the update part of a for loop.",
"""var x = (1, 2, 3); // x is 3
for (var i = 0, j = 10; i < j; i++, j--) {
  console.log(i, j);
}
console.log(x);"""),

("/= operator",
"Divides a variable by a value and stores the result back in the variable: a /= b is the same as a = a / b.",
"""var total = 100;
total /= 4;   // total is 25
total /= 2;   // total is 12.5
console.log(total);"""),

("?: (conditional) operator",
"condition ? a : b gives a when the condition is truthy and b otherwise. It is an expression, so it can be used inside assignments and arguments.",
"""var hour = new Date().getHours();
var greeting = hour < 12 ? "Good morning" : "Good day";
console.log(greeting);
var items = 1;
console.log(items + (items === 1 ? " item" : " items"));"""),

("|| (logical OR) operator",
"Gives its left operand when that is truthy, otherwise its right operand. It is often used to supply a default, but note that 0 and \"\" also count as false; use ?? when only null or undefined should be replaced.",
"""function greet(name) {
  name = name || "guest";
  return "Hello, " + name;
}
console.log(greet(), greet("Bea"));
console.log(0 || 10, 0 ?? 10); // 10 0"""),

("+ (string concatenation) operator",
"When either operand is a string, + joins the two as text. Template literals (`...${value}...`) are often clearer for longer texts.",
"""var first = "Web", last = "page";
console.log(first + " " + last);  // "Web page"
console.log("1" + 2 + 3);         // "123"
console.log(1 + 2 + "3");         // "33"
console.log(`${first} ${last}s`);"""),

("++ (increment) operator",
"Adds one to a variable. ++i gives the new value, i++ gives the old value and then increments.",
"""var i = 5;
var a = i++; // a is 5, i is 6
var b = ++i; // b is 7, i is 7
console.log(a, b, i);"""),

("+= (string concatenation) operator",
"Appends a value to a string variable: s += t is the same as s = s + t. With numbers it adds.",
"""var html = "<ul>";
var fruits = ["apple", "pear"];
for (var i = 0; i < fruits.length; i++) {
  html += "<li>" + fruits[i] + "</li>";
}
html += "</ul>";
console.log(html);"""),

("< (less than) operator",
"Gives true when the left operand is smaller than the right one. Two strings are compared character by character by their code units, so \"Z\" < \"a\" and \"10\" < \"9\".",
"""console.log(3 < 5);       // true
console.log("10" < "9");  // true: compared as text
console.log(10 < 9);      // false
console.log("apple" < "banana"); // true"""),

("<= (less than or equal) operator with numbers",
"Gives true when the left number is smaller than or equal to the right one. Comparisons with NaN are always false.",
"""var score = 50;
if (score <= 50) console.log("At most fifty");
console.log(NaN <= 1); // false"""),

("<= (less than or equal) operator with strings",
"Between two strings, <= compares them as text by character codes. For comparing words the way people expect, use localeCompare.",
"""console.log("abc" <= "abd"); // true
console.log("Zoo" <= "apple"); // true: capitals come first
console.log("Zoo".localeCompare("apple") <= 0); // false"""),

("-= operator",
"Subtracts a value from a variable and stores the result: a -= b is the same as a = a - b.",
"""var stock = 20;
stock -= 3;
stock -= 2;
console.log(stock); // 15"""),

("== (loose equality) operator",
"Compares two values after converting them to a common type. Because the conversions have surprising results, most code uses === instead.",
"""console.log(1 == "1");          // true
console.log(0 == "");           // true
console.log(null == undefined); // true
console.log(null == 0);         // false"""),

("=== (strict equal) operator",
"Gives true when both operands have the same type and the same value, without any conversion. NaN is the only value that is not === to itself.",
"""console.log(1 === 1);     // true
console.log(1 === "1");   // false
var n = NaN;
console.log(n === n, Number.isNaN(n)); // false true"""),

("> (greater than) operator",
"Gives true when the left operand is greater than the right one. A number compared with a numeric string converts the string to a number.",
"""console.log(7 > 3);    // true
console.log(7 > "30"); // false: "30" becomes 30
var temperature = 31;
if (temperature > 30) console.log("Hot day");"""),

(">= (greater than or equal) operator with numbers",
"Gives true when the left number is greater than or equal to the right one.",
"""var age = 18;
console.log(age >= 18 ? "adult" : "minor");
console.log(2 >= 2, 1 >= 2); // true false"""),

(">= (greater than or equal) operator with dates",
"Dates are compared by their time values, so >= tells whether one moment is the same as or later than another.",
"""var start = new Date(2024, 0, 1);
var today = new Date();
if (today >= start) console.log("The offer has started");
console.log(new Date(2024, 5, 1) >= new Date(2024, 5, 1)); // true"""),

(">> (sign-propagating right shift) operator",
"Shifts the bits of a 32-bit integer to the right, copying the sign bit in from the left. For non-negative numbers, x >> n divides by 2 to the power n and drops the fraction.",
"""console.log(20 >> 2);  // 5
console.log(21 >> 1);  // 10
console.log(-20 >> 2); // -5"""),

(">> and >>> compared",
">> keeps the sign of a negative number, while >>> (zero-fill right shift) moves zeros in from the left and always gives a non-negative result.",
"""console.log(-8 >> 1);  // -4
console.log(-8 >>> 1); // 2147483644
console.log((255 >>> 4).toString(2)); // "1111\""""),

(">>= (right shift assignment) operator",
"Shifts a variable's bits to the right and stores the result: x >>= n is the same as x = x >> n.",
"""var flags = 64;
flags >>= 3;
console.log(flags); // 8"""),

("<<=, >>= and >>>= operators",
"The shift assignment operators shift a variable by a number of bits and store the result. They are handy when walking through the bits of a number.",
"""var bits = 13, count = 0;
while (bits > 0) {
  count += bits & 1;
  bits >>= 1;
}
console.log("Set bits: " + count); // 3
var mask = 1;
mask <<= 4;
console.log(mask); // 16"""),

("abs method",
"Math.abs(x) gives the absolute value of a number: its distance from zero.",
"""console.log(Math.abs(-7.5)); // 7.5
console.log(Math.abs(3));    // 3
var difference = Math.abs(10 - 25);
console.log(difference);     // 15"""),

("alert method",
"window.alert(message) shows a message in a modal box with an OK button. It stops the page until the user closes it, so use it sparingly.",
"""var name = "visitor";
alert("Welcome, " + name + "!");"""),

("alinkColor property",
"document.alinkColor holds the colour of a link while it is being clicked. It is obsolete; style the :active state with CSS instead.",
"""console.log("Active link colour: " + document.alinkColor);
var style = document.createElement("style");
style.textContent = "a:active { color: red; }";
document.head.appendChild(style);"""),

("anchor method",
"string.anchor(name) wraps a string in an <a name=\"...\"> element. It is kept only for old code; create elements with the DOM instead.",
"""console.log("Chapter 1".anchor("ch1")); // <a name="ch1">Chapter 1</a>
var target = document.createElement("a");
target.id = "ch1";
target.textContent = "Chapter 1";
document.body.appendChild(target);"""),

("arrays",
"An array holds an ordered list of values, indexed from 0. Its length grows as items are added, and methods such as push, pop, map and filter work on it.",
"""var colours = ["red", "green"];
colours.push("blue");
console.log(colours.length, colours[0]); // 3 "red"
var upper = colours.map(function (c) { return c.toUpperCase(); });
console.log(upper.join(", "));"""),

("bgColor property",
"document.bgColor holds the page's background colour. It is obsolete; set document.body.style.backgroundColor instead.",
"""console.log("Old property: " + document.bgColor);
document.body.style.backgroundColor = "#FFFFEE";
console.log(document.body.style.backgroundColor);"""),

("blur event",
"The blur event fires when an element loses the keyboard focus, for example when the user leaves a form field. It does not bubble; use focusout when a parent should hear it.",
"""var field = document.createElement("input");
document.body.appendChild(field);
field.addEventListener("blur", function () {
  console.log("Left the field with: " + field.value);
});
field.focus();
field.blur();"""),

("bold method",
"string.bold() wraps a string in <b> tags. It is obsolete; create a <b> or <strong> element, or use CSS font-weight.",
"""console.log("Important".bold()); // <b>Important</b>
var strong = document.createElement("strong");
strong.textContent = "Important";
document.body.appendChild(strong);"""),

("break statement",
"break leaves the innermost loop or switch at once. With a label it leaves the labelled statement.",
"""var numbers = [4, 9, 15, 22];
var found = -1;
for (var i = 0; i < numbers.length; i++) {
  if (numbers[i] > 10) {
    found = numbers[i];
    break;
  }
}
console.log(found); // 15"""),

("click method",
"element.click() acts as if the user clicked the element: it fires the click event and does the element's default action, such as ticking a check box.",
"""var box = document.createElement("input");
box.type = "checkbox";
document.body.appendChild(box);
box.addEventListener("click", function () { console.log("clicked"); });
box.click();
console.log(box.checked); // true"""),

("close method",
"window.close() closes a window that a script opened. Browsers ignore it for windows the user opened.",
"""var popup = window.open("", "notes", "width=300,height=200");
if (popup) {
  popup.document.write("<p>Closing soon</p>");
  popup.close();
}"""),

("comma operator in for loops",
"The comma operator lets the parts of a for loop work on two variables at once.",
"""var word = "level", same = true;
for (var i = 0, j = word.length - 1; i < j; i++, j--) {
  if (word[i] !== word[j]) same = false;
}
console.log(word + (same ? " is" : " is not") + " a palindrome");"""),

("concat method",
"array.concat(...) gives a new array holding the items of the array followed by the given arrays or values; string.concat joins strings. Neither changes the original.",
"""var a = [1, 2], b = [3, 4];
var all = a.concat(b, 5);
console.log(all);          // [1, 2, 3, 4, 5]
console.log(a.length);     // 2: unchanged
console.log("Hello".concat(", ", "world"));"""),

("cos method",
"Math.cos(x) gives the cosine of an angle given in radians. Convert degrees with degrees * Math.PI / 180.",
"""console.log(Math.cos(0));        // 1
var degrees = 60;
var value = Math.cos(degrees * Math.PI / 180);
console.log(value.toFixed(2));    // "0.50\""""),

("description property",
"symbol.description gives the text a Symbol was created with. (Some old browsers had an Error description property; errors now have message.)",
"""var id = Symbol("user id");
console.log(id.description); // "user id"
try {
  null.length;
} catch (error) {
  console.log(error.name + ": " + error.message);
}"""),

("do...while statement",
"do { ... } while (condition) runs its body once and then repeats it while the condition is true, so the body always runs at least once.",
"""var n = 0;
do {
  console.log("Pass " + n);
  n++;
} while (n < 3);"""),

("document property",
"window.document is the page shown in the window: the root of the DOM through which scripts read and change the page.",
"""var doc = window.document;
console.log(doc.title);
var note = doc.createElement("p");
note.textContent = "Added by a script";
doc.body.appendChild(note);"""),

("documents",
"The document object represents the loaded page. Its methods find elements (getElementById, querySelector) and create new ones.",
"""var list = document.createElement("ul");
list.id = "menu";
list.innerHTML = "<li>Home</li><li>News</li>";
document.body.appendChild(list);
console.log(document.querySelectorAll("#menu li").length); // 2"""),

("domain property",
"document.domain gives the host name of the server the page came from. Changing it to relax the same-origin rule is deprecated.",
"""console.log("This page came from: " + (document.domain || "a local file"));
console.log(location.hostname === document.domain); // true"""),

("E property",
"Math.E is Euler's number, the base of natural logarithms, about 2.718.",
"""console.log(Math.E);                 // 2.718281828459045
console.log(Math.log(Math.E));       // 1
console.log(Math.E.toFixed(3));      // "2.718\""""),

("e raised to a power",
"Math.exp(x) gives e raised to the power x, the inverse of Math.log.",
"""console.log(Math.exp(1) === Math.E); // true
var growth = 100 * Math.exp(0.05 * 10); // continuous growth for 10 years at 5%
console.log(growth.toFixed(2));     // "164.87\""""),

("element focus",
"element.focus() moves the keyboard focus to a form field, link or other focusable element; document.activeElement tells which element has it.",
"""var input = document.createElement("input");
input.id = "email";
document.body.appendChild(input);
input.focus();
console.log(document.activeElement === input);"""),

("elements array",
"form.elements lists the controls of a form, by position and by name.",
"""var form = document.createElement("form");
form.innerHTML = '<input name="user" value="ann"><input name="city" value="Oslo">';
document.body.appendChild(form);
console.log(form.elements.length);        // 2
console.log(form.elements["city"].value); // "Oslo"
for (var i = 0; i < form.elements.length; i++) console.log(form.elements[i].name);"""),

("escape function",
"escape(text) encodes characters for use in a URL with %xx and %uxxxx codes. It is deprecated and does not handle UTF-8; use encodeURIComponent.",
"""console.log(escape("a b&c"));             // "a%20b%26c"
console.log(encodeURIComponent("a b&c")); // "a%20b%26c"
console.log(encodeURIComponent("café"));  // "caf%C3%A9\""""),

("escape and unescape compared with encodeURIComponent",
"escape and unescape use a Latin-1 style encoding that servers no longer expect. encodeURIComponent and decodeURIComponent use UTF-8 and should be used instead.",
"""var query = "name=" + encodeURIComponent("Zoë & co");
console.log(query); // "name=Zo%C3%AB%20%26%20co"
console.log(decodeURIComponent("Zo%C3%AB")); // "Zoë"
console.log(unescape(escape("Zoë")));        // "Zoë\""""),

("eval function",
"eval(code) runs a string as JavaScript and gives its value. It is slow and unsafe with text from users; there is almost always a better way.",
"""var result = eval("2 + 3 * 4");
console.log(result); // 14"""),

("eval alternatives",
"To read data use JSON.parse; to look up a property by name use brackets; to build a function at run time use the Function constructor. None of these runs arbitrary code in the current scope.",
"""var data = JSON.parse('{"size": 3, "tags": ["a", "b"]}');
console.log(data.tags[1]);       // "b"
var settings = { width: 200 };
var key = "width";
console.log(settings[key]);      // 200
var add = new Function("a", "b", "return a + b;");
console.log(add(2, 3));          // 5"""),

("exec method",
"regexp.exec(text) searches the text and gives an array holding the match and its groups, or null. With the g flag each call continues after the previous match.",
"""var pattern = /(\\d+)-(\\d+)/g;
var text = "pages 10-12 and 20-25";
var match;
while ((match = pattern.exec(text)) !== null) {
  console.log("from " + match[1] + " to " + match[2] + " at " + match.index);
}"""),

("exp method",
"Math.exp(x) gives e to the power x. Math.expm1(x) gives e to the power x minus 1, more precisely for small x.",
"""console.log(Math.exp(0));      // 1
console.log(Math.exp(2));      // 7.38905609893065
console.log(Math.expm1(1e-10)); // 1.00000000005e-10"""),

("fgColor property",
"document.fgColor holds the page's text colour. It is obsolete; set the color style of the body instead.",
"""console.log("Text colour: " + document.fgColor);
document.body.style.color = "#333333";"""),

("file: (URL syntax)",
"A file: URL names a file on the local computer, such as file:///C:/site/index.html. Pages from the web cannot open file: links, and scripts in file: pages have limited access to other files.",
"""var link = document.createElement("a");
link.href = "file:///C:/site/index.html";
link.textContent = "Local copy";
document.body.appendChild(link);
console.log(link.protocol); // "file:\""""),

("filename property",
"The name of a file the user picked (or a File made by a script) is in file.name; the old plugin filename property is gone.",
"""var file = new File(["Hello"], "notes.txt", { type: "text/plain" });
console.log(file.name, file.size, file.type); // notes.txt 5 text/plain
var picker = document.createElement("input");
picker.type = "file";
picker.addEventListener("change", function () {
  if (picker.files.length) console.log(picker.files[0].name);
});"""),

("find method",
"window.find(text) searches the page for a text and selects it, as the browser's find command does. It is non-standard; to search in scripts use the text of elements.",
"""var found = typeof window.find === "function" && window.find("Example");
console.log("Found: " + found);
console.log(document.body.textContent.indexOf("Example") >= 0);"""),

("fixed method",
"string.fixed() wraps a string in <tt> tags. It is obsolete; use a <code> element or CSS font-family: monospace.",
"""console.log("x = 1".fixed()); // <tt>x = 1</tt>
var code = document.createElement("code");
code.textContent = "x = 1";
document.body.appendChild(code);"""),

("focus method",
"element.focus() gives an element the keyboard focus; window.focus() brings a window to the front. Focusing a field when the page loads saves the user a click.",
"""var search = document.createElement("input");
search.placeholder = "Search";
document.body.appendChild(search);
search.focus();
window.focus();"""),

("fontcolor method",
"string.fontcolor(colour) wraps a string in <font color=...> tags. It is obsolete; set the color style of an element.",
"""console.log("Warning".fontcolor("red")); // <font color="red">Warning</font>
var span = document.createElement("span");
span.textContent = "Warning";
span.style.color = "red";
document.body.appendChild(span);"""),

("fontsize method",
"string.fontsize(size) wraps a string in <font size=...> tags, size 1 to 7. It is obsolete; set the font-size style instead.",
"""console.log("Big".fontsize(7)); // <font size="7">Big</font>
var heading = document.createElement("span");
heading.textContent = "Big";
heading.style.fontSize = "2em";
document.body.appendChild(heading);"""),

("for loops",
"JavaScript has several loops: for with a counter, for...of over the values of an array or string, for...in over the names of an object's properties, and the array method forEach.",
"""var animals = ["cat", "dog", "owl"];
for (var i = 0; i < animals.length; i++) console.log(i, animals[i]);
for (var animal of animals) console.log(animal);
animals.forEach(function (a, index) { console.log(index + ": " + a); });"""),

("for statement",
"for (start; condition; update) runs the start once, then repeats the body while the condition holds, running the update after each pass.",
"""var total = 0;
for (var n = 1; n <= 10; n++) {
  total += n;
}
console.log("1 + 2 + ... + 10 = " + total); // 55"""),

("for...in statement",
"for (name in object) visits the names of an object's enumerable properties, including inherited ones. Use it for plain objects, not for arrays.",
"""var car = { make: "Volvo", year: 2019 };
for (var key in car) {
  if (Object.prototype.hasOwnProperty.call(car, key)) {
    console.log(key + " = " + car[key]);
  }
}"""),

("forward method",
"history.forward() goes to the next page in the window's history, as the browser's Forward button does. Nothing happens when there is no next page.",
"""var next = document.createElement("button");
next.textContent = "Forward";
next.onclick = function () { history.forward(); };
document.body.appendChild(next);
next.click();"""),

("functions",
"A function is a reusable block of code that takes parameters and may return a value. It can be declared by name, assigned as an expression, or written as an arrow function.",
"""function square(x) {
  return x * x;
}
var cube = function (x) { return x * x * x; };
var half = (x) => x / 2;
console.log(square(4), cube(2), half(9)); // 16 8 4.5"""),

("getDate method",
"date.getDate() gives the day of the month, 1 to 31, in local time.",
"""var d = new Date(2024, 1, 29); // months count from 0: 1 is February
console.log(d.getDate()); // 29
console.log("Today is day " + new Date().getDate() + " of the month");"""),

("getDay method",
"date.getDay() gives the day of the week in local time, from 0 for Sunday to 6 for Saturday.",
"""var names = ["Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"];
var d = new Date(2024, 0, 1);
console.log(names[d.getDay()]); // "Monday\""""),

("getFullYear method",
"date.getFullYear() gives the four-digit year in local time. Use it rather than the old getYear.",
"""var now = new Date();
console.log(now.getFullYear());
var footer = document.createElement("p");
footer.textContent = "Copyright " + now.getFullYear();
document.body.appendChild(footer);"""),

("getHours method",
"date.getHours() gives the hour, 0 to 23, in local time.",
"""var hour = new Date().getHours();
var part = hour < 12 ? "morning" : hour < 18 ? "afternoon" : "evening";
console.log("Good " + part);"""),

("getMember method (LiveConnect)",
"getMember belonged to LiveConnect, the old bridge between Java applets and JavaScript, which browsers have removed. To read a property whose name is in a variable, use brackets.",
"""var page = { title: "Home", views: 42 };
var field = "views";
console.log(page[field]);            // 42
console.log(Reflect.get(page, "title")); // "Home\""""),

("getMilliseconds method",
"date.getMilliseconds() gives the milliseconds part of the time, 0 to 999, in local time.",
"""var d = new Date(2024, 0, 1, 12, 0, 0, 250);
console.log(d.getMilliseconds()); // 250"""),

("getMinutes method",
"date.getMinutes() gives the minutes, 0 to 59, in local time.",
"""var d = new Date();
var mm = String(d.getMinutes()).padStart(2, "0");
console.log(d.getHours() + ":" + mm);"""),

("getMonth method",
"date.getMonth() gives the month in local time, counted from 0 for January to 11 for December.",
"""var months = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"];
var d = new Date(2024, 6, 4);
console.log(months[d.getMonth()]); // "Jul"
console.log(d.getMonth() + 1);     // 7, the usual month number"""),

("getPeer method (LiveConnect)",
"getPeer gave the Java object behind a LiveConnect wrapper. Java applets and LiveConnect no longer exist in browsers; pages talk to other code through ordinary JavaScript objects and messages.",
"""var channel = new MessageChannel();
channel.port1.onmessage = function (event) { console.log("Got: " + event.data); };
channel.port2.postMessage("hello");"""),

("getSeconds method",
"date.getSeconds() gives the seconds, 0 to 59, in local time.",
"""var d = new Date(2024, 0, 1, 10, 30, 45);
console.log(d.getSeconds()); // 45"""),

("getSelection method",
"window.getSelection() gives the text the user has selected in the page as a Selection object; its toString() is the selected text.",
"""var para = document.createElement("p");
para.textContent = "Select some of this text";
document.body.appendChild(para);
var range = document.createRange();
range.selectNodeContents(para);
var selection = window.getSelection();
selection.removeAllRanges();
selection.addRange(range);
console.log("Selected: " + selection.toString());"""),

("getSlot method (LiveConnect)",
"getSlot read an element of a Java array through LiveConnect, which browsers have removed. Read array items by index.",
"""var scores = [12, 30, 7];
console.log(scores[1]);    // 30
console.log(scores.at(-1)); // 7, the last item"""),

("getTime method",
"date.getTime() gives the number of milliseconds since 1 January 1970 UTC. Subtracting two times gives the time between them.",
"""var start = new Date(2024, 0, 1);
var end = new Date(2024, 0, 31);
var days = (end.getTime() - start.getTime()) / (24 * 60 * 60 * 1000);
console.log(Math.round(days) + " days"); // 30 days"""),

("getTimezoneOffset method",
"date.getTimezoneOffset() gives the difference in minutes between UTC and local time; it is positive west of Greenwich.",
"""var offset = new Date().getTimezoneOffset();
var hours = -offset / 60;
console.log("Local time is UTC" + (hours >= 0 ? "+" : "") + hours);"""),
]
