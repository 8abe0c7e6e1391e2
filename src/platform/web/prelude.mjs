// Run first in every page: a function of the native bridge and the global object that builds the
// page's document model and returns its entry points (click, refresh, load). Elements are plain
// objects keyed by node id; forms carry their members by name, the document its forms by name,
// and every element id is a global (as in the browsers these pages were written for).
// A module, so that the build compiles it to byte code; modules are strict, the handlers it makes
// of the page's attributes are not.
export default function (bridge, global) {
    bound(bridge.tooLarge, global);
    // The bridge's methods, fetched once: each property read of a native object makes a new
    // function object.
    var D = {};
    ["tag", "type", "clickAction", "object", "generation", "body", "title", "byId", "byName", "byTag",
     "forms", "formControls", "formNames", "ids", "children", "parent", "formOf", "activeElement",
     "hasAttr", "attr", "setAttr", "removeAttr", "value", "defaultValue", "setValue", "checked",
     "setChecked", "text", "setText", "innerHTML", "outerHTML", "setInnerHTML", "style", "setStyle",
     "resetForm", "focus", "setTimer", "clearTimer", "error"].forEach(function (name) { D[name] = bridge[name]; });
    var cache = {};
    var assigned = {};
    // Per node: compiled on... attributes, default click action, form; per id: node. Cleared
    // when the tree changes shape or a script changes the attribute they come from.
    var compiled = {};
    var actions = {};
    var owners = {};
    var idNodes = {};
    var generation = -1;
    var ownGlobals = Object.create(null);
    var ownDocumentNames = {};
    var formsList = null;
    var allCollection = null;
    var ElementProto = {};
    var FormProto = Object.create(ElementProto);
    var documentObject = {
        getElementById: function (i) {
            i = str(i);
            var id = idNodes[i];
            if (id === undefined) id = idNodes[i] = D.byId(i);
            return el(id);
        },
        getElementsByName: function (n) { return list(D.byName(str(n))); },
        getElementsByTagName: function (t) { return list(D.byTag(-1, str(t))); },
        write: function () {}, writeln: function () {}, open: function () {}, close: function () {}
    };

    function str(v) { return v === undefined || v === null ? "" : String(v); }
    function accessor(target, name, get, set) {
        Object.defineProperty(target, name, { get: get, set: set, configurable: true, enumerable: true });
    }
    function el(id) {
        if (id === undefined || id === null || id < 0) return null;
        var e = cache[id];
        if (e !== undefined) return e;
        var object = D.object(id);
        if (object) { cache[id] = object; return object; }
        var tag = D.tag(id);
        if (tag === "") return null;
        e = Object.create(tag === "form" ? FormProto : ElementProto);
        Object.defineProperty(e, "__id", { value: id });
        if (tag === "form") {
            var names = D.formNames(id);
            for (var i = 0; i + 1 < names.length; i += 2) defineMember(e, names[i], names[i + 1]);
        }
        cache[id] = e;
        return e;
    }
    function defineMember(target, name, id) {
        if (Object.prototype.hasOwnProperty.call(target, name)) return;
        accessor(target, name, function () { return el(id); });
    }
    function list(ids) {
        var result = [];
        for (var i = 0; i < ids.length; i++) { var e = el(ids[i]); if (e) result.push(e); }
        return result;
    }
    function checkShape(newGeneration) { if (newGeneration !== generation) refresh(); }
    function attributeChanged(id, name) {
        if (name.substring(0, 2) === "on") delete compiled[id];
        else if (name === "type") delete actions[id];
        else if (name === "id") idNodes = {};
    }
    function setAttribute(id, name, value) {
        D.setAttr(id, name, value);
        attributeChanged(id, name);
    }
    function formOf(id) {
        var form = owners[id];
        if (form === undefined) form = owners[id] = D.formOf(id);
        return form;
    }

    var attributeProperties = {
        id: "id", name: "name", title: "title", className: "class", href: "href", src: "src",
        alt: "alt", dataSrc: "datasrc", dataFld: "datafld", dataPageSize: "datapagesize",
        maxLength: "maxlength", size: "size", cols: "cols", rows: "rows", align: "align",
        bgColor: "bgcolor", color: "color", width: "width", height: "height", classid: "classid",
        htmlFor: "for", action: "action", method: "method", target: "target", lang: "lang"
    };
    Object.keys(attributeProperties).forEach(function (property) {
        var attribute = attributeProperties[property];
        accessor(ElementProto, property, function () { return D.attr(this.__id, attribute); },
                 function (v) { setAttribute(this.__id, attribute, str(v)); });
    });
    [["disabled", "disabled"], ["readOnly", "readonly"], ["hidden", "hidden"]].forEach(function (pair) {
        accessor(ElementProto, pair[0], function () { return D.hasAttr(this.__id, pair[1]); },
                 function (v) { if (v) D.setAttr(this.__id, pair[1], pair[1]); else D.removeAttr(this.__id, pair[1]); });
    });
    accessor(ElementProto, "type", function () { return D.type(this.__id); },
             function (v) { setAttribute(this.__id, "type", str(v)); });
    accessor(ElementProto, "value", function () { return D.value(this.__id); },
             function (v) { D.setValue(this.__id, str(v)); });
    accessor(ElementProto, "defaultValue", function () { return D.defaultValue(this.__id); });
    accessor(ElementProto, "checked", function () { return D.checked(this.__id); },
             function (v) { D.setChecked(this.__id, !!v); });
    accessor(ElementProto, "tagName", function () { return D.tag(this.__id).toUpperCase(); });
    accessor(ElementProto, "nodeName", function () { return D.tag(this.__id).toUpperCase(); });
    accessor(ElementProto, "innerText", function () { return D.text(this.__id); },
             function (v) { checkShape(D.setText(this.__id, str(v))); });
    accessor(ElementProto, "textContent", function () { return D.text(this.__id); },
             function (v) { checkShape(D.setText(this.__id, str(v))); });
    accessor(ElementProto, "innerHTML", function () { return D.innerHTML(this.__id); },
             function (v) { checkShape(D.setInnerHTML(this.__id, str(v))); });
    accessor(ElementProto, "outerHTML", function () { return D.outerHTML(this.__id); });
    accessor(ElementProto, "parentNode", function () { return el(D.parent(this.__id)); });
    accessor(ElementProto, "parentElement", function () { return el(D.parent(this.__id)); });
    accessor(ElementProto, "children", function () { return list(D.children(this.__id)); });
    accessor(ElementProto, "childNodes", function () { return list(D.children(this.__id)); });
    accessor(ElementProto, "firstChild", function () { var c = D.children(this.__id); return c.length ? el(c[0]) : null; });
    accessor(ElementProto, "form", function () { return el(formOf(this.__id)); });
    accessor(ElementProto, "ownerDocument", function () { return documentObject; });
    accessor(ElementProto, "style", function () {
        if (!this.__style) Object.defineProperty(this, "__style", { value: makeStyle(this.__id) });
        return this.__style;
    });
    ElementProto.getAttribute = function (n) {
        n = str(n).toLowerCase();
        return D.hasAttr(this.__id, n) ? D.attr(this.__id, n) : null;
    };
    ElementProto.setAttribute = function (n, v) { setAttribute(this.__id, str(n).toLowerCase(), str(v)); };
    ElementProto.removeAttribute = function (n) {
        n = str(n).toLowerCase();
        D.removeAttr(this.__id, n);
        attributeChanged(this.__id, n);
    };
    ElementProto.hasAttribute = function (n) { return D.hasAttr(this.__id, str(n).toLowerCase()); };
    ElementProto.getElementsByTagName = function (t) { return list(D.byTag(this.__id, str(t))); };
    ElementProto.click = function () { click(this.__id); };
    ElementProto.focus = function () { D.focus(this.__id); };
    ElementProto.blur = function () {};
    ElementProto.select = function () {};
    ElementProto.fireEvent = function (type) { return fire(this.__id, str(type).toLowerCase()); };

    var eventTypes = ["onclick", "ondblclick", "onchange", "onload", "onfocus", "onblur", "onkeydown",
                      "onkeyup", "onkeypress", "onmousedown", "onmouseup", "onmouseover", "onmouseout",
                      "onsubmit", "onreset", "oncontextmenu"];
    var eventNames = {};
    eventTypes.forEach(function (type) {
        eventNames[type] = type.substring(2);
        accessor(ElementProto, type, function () { return handler(this.__id, type); },
                 function (f) {
                     if (!assigned[this.__id]) assigned[this.__id] = {};
                     assigned[this.__id][type] = typeof f === "function" ? f : null;
                 });
    });

    FormProto.reset = function () { if (fire(this.__id, "onreset")) D.resetForm(this.__id); };
    FormProto.submit = function () {};
    accessor(FormProto, "elements", function () { return list(D.formControls(this.__id)); });
    accessor(FormProto, "length", function () { return D.formControls(this.__id).length; });

    var styleProperties = ["display", "visibility", "color", "backgroundColor", "background", "fontSize",
                           "fontFamily", "fontWeight", "fontStyle", "textAlign", "textDecoration",
                           "textTransform", "width", "height", "border", "borderColor", "margin", "padding",
                           "cursor", "position", "left", "top", "zIndex", "whiteSpace", "overflow"];
    function makeStyle(id) {
        var style = {};
        styleProperties.forEach(function (p) {
            var css = p.replace(/[A-Z]/g, function (c) { return "-" + c.toLowerCase(); });
            accessor(style, p, function () { return D.style(id, css); }, function (v) { D.setStyle(id, css, str(v)); });
        });
        accessor(style, "cssText", function () { return D.attr(id, "style"); },
                 function (v) { setAttribute(id, "style", str(v)); });
        return style;
    }

    accessor(documentObject, "body", function () { return el(D.body()); });
    accessor(documentObject, "documentElement", function () { return el(0); });
    accessor(documentObject, "title", function () { return D.title(); });
    accessor(documentObject, "activeElement", function () { return el(D.activeElement()); });
    accessor(documentObject, "forms", function () {
        if (!formsList) {
            formsList = list(D.forms());
            formsList.forEach(function (f) { var n = D.attr(f.__id, "name"); if (n) defineMember(formsList, n, f.__id); });
        }
        return formsList;
    });
    accessor(documentObject, "all", function () {
        if (!allCollection) {
            allCollection = function (n) { return allCollection.item(n); };
            allCollection.item = function (n) {
                var id = D.byId(str(n));
                if (id < 0) { var named = D.byName(str(n)); id = named.length ? named[0] : -1; }
                return el(id);
            };
            var ids = D.ids();
            for (var i = 0; i + 1 < ids.length; i += 2) defineMember(allCollection, ids[i], ids[i + 1]);
        }
        return allCollection;
    });

    function refresh() {
        generation = D.generation();
        cache = {};
        compiled = {};
        actions = {};
        owners = {};
        idNodes = {};
        formsList = null;
        allCollection = null;
        Object.keys(ownDocumentNames).forEach(function (n) { delete documentObject[n]; });
        ownDocumentNames = {};
        var forms = D.forms();
        forms.forEach(function (f) {
            var n = D.attr(f, "name") || D.attr(f, "id");
            if (n && !(n in documentObject)) { defineMember(documentObject, n, f); ownDocumentNames[n] = true; }
        });
        // Element ids as globals: the first element of a name holds it. Only what changed is
        // redefined, so that a change of shape costs in proportion to the page, not more.
        var wanted = Object.create(null);
        var ids = D.ids();
        for (var i = 0; i + 1 < ids.length; i += 2) {
            if (!Object.prototype.hasOwnProperty.call(wanted, ids[i])) wanted[ids[i]] = ids[i + 1];
        }
        Object.keys(ownGlobals).forEach(function (n) {
            var d = Object.getOwnPropertyDescriptor(global, n);
            var own = d && d.get === ownGlobals[n].get;
            if (own && wanted[n] === ownGlobals[n].id) return;
            if (own) delete global[n];
            delete ownGlobals[n];
        });
        Object.keys(wanted).forEach(function (name) {
            if (ownGlobals[name] || name in global) return;
            var id = wanted[name];
            var get = function () { return el(id); };
            // A script's own variable of that name takes the name over.
            var set = function (v) {
                Object.defineProperty(global, name, { value: v, writable: true, configurable: true, enumerable: true });
            };
            Object.defineProperty(global, name, { get: get, set: set, configurable: true });
            ownGlobals[name] = { get: get, id: id };
        });
        // Handlers set by scripts on elements that are gone.
        Object.keys(assigned).forEach(function (id) { if (D.tag(Number(id)) === "") delete assigned[id]; });
    }

    function handler(id, type) {
        var own = assigned[id];
        if (own && own[type] !== undefined) return own[type];
        var byType = compiled[id];
        if (!byType) byType = compiled[id] = {};
        var fn = byType[type];
        if (fn === undefined) {
            fn = null;
            if (D.hasAttr(id, type)) {
                try { fn = new Function("event", D.attr(id, type)); } catch (e) { D.error(str(e)); }
            }
            byType[type] = fn;
        }
        return fn;
    }
    var EventProto = {
        returnValue: true, cancelBubble: false, keyCode: 0,
        preventDefault: function () { this.returnValue = false; },
        stopPropagation: function () { this.cancelBubble = true; }
    };
    function fire(id, type) {
        var h = handler(id, type);
        if (!h) return true;
        var target = el(id);
        var event = Object.create(EventProto);
        event.type = eventNames[type] || type.substring(2);
        event.srcElement = event.target = target;
        var previous = global.event;
        global.event = event;
        var result;
        try { result = h.call(target, event); } catch (e) { D.error(str(e)); }
        global.event = previous;
        return result !== false && event.returnValue !== false;
    }
    function click(id) {
        var action = actions[id];
        if (action === undefined) action = actions[id] = D.clickAction(id);
        var toggles = action === "checkbox" || action === "radio";
        var before = toggles ? D.checked(id) : false;
        if (toggles) D.setChecked(id, action === "radio" ? true : !before);
        if (!fire(id, "onclick")) {
            if (toggles) D.setChecked(id, before);
            return;
        }
        if (action === "reset") {
            var form = formOf(id);
            if (form >= 0 && fire(form, "onreset")) D.resetForm(form);
        } else if (action === "submit") {
            var owner = formOf(id);
            if (owner >= 0) fire(owner, "onsubmit");
        }
    }
    function load() {
        var body = D.body();
        if (D.hasAttr(body, "onload")) fire(body, "onload");
        else if (typeof global.onload === "function") {
            try { global.onload.call(global, { type: "load" }); } catch (e) { D.error(str(e)); }
        }
    }
    function timer(fn, ms, args, repeat) {
        if (typeof fn !== "function") { var code = str(fn); fn = function () { (0, eval)(code); }; }
        return D.setTimer(function () {
            try { fn.apply(global, args); } catch (e) { D.error(str(e)); }
        }, Number(ms) || 0, repeat);
    }

    global.window = global;
    global.self = global;
    global.document = documentObject;
    global.event = null;
    global.navigator = { appName: "Ortelia", userAgent: "Ortelia" };
    global.alert = function () {};
    global.confirm = function () { return false; };
    global.setTimeout = function (fn, ms) { return timer(fn, ms, Array.prototype.slice.call(arguments, 2), false); };
    global.setInterval = function (fn, ms) { return timer(fn, ms, Array.prototype.slice.call(arguments, 2), true); };
    global.clearTimeout = function (id) { D.clearTimer(Number(id) || 0); };
    global.clearInterval = global.clearTimeout;

    return { click: click, refresh: refresh, load: load };
}

// The engine's own array and string routines run to their end once started, however long that
// takes and whatever it allocates: the watchdog cannot stop them. Work beyond these sizes stops
// the page instead; what a page cannot need (typed arrays, proxies) is not offered.
var maxElements = 1 << 22;
var maxChars = 1 << 24;

function bound(tooLarge, global) {
    // A length a getter computes could change once checked: it counts as too large.
    function lengthOf(value) {
        if (value === null || value === undefined) return 0;
        for (var o = Object(value); o !== null; o = Object.getPrototypeOf(o)) {
            var d = Object.getOwnPropertyDescriptor(o, "length");
            if (d) return "value" in d ? Number(d.value) || 0 : Infinity;
        }
        return 0;
    }
    function guard(proto, names, tooBig) {
        names.forEach(function (name) {
            var original = proto[name];
            Object.defineProperty(proto, name, {
                configurable: true, writable: true,
                value: function () {
                    if (tooBig(this, arguments, name)) {
                        tooLarge();
                        throw new RangeError("zu groß");
                    }
                    return original.apply(this, arguments);
                }
            });
        });
    }
    function chars(value) { return value === null || value === undefined ? 0 : String(value).length; }

    guard(Array.prototype, ["copyWithin", "every", "fill", "filter", "find", "findIndex", "flat",
        "flatMap", "forEach", "includes", "indexOf", "join", "lastIndexOf", "map", "reduce",
        "reduceRight", "reverse", "shift", "slice", "some", "sort", "splice", "toLocaleString",
        "toString", "unshift"], function (self) { return !(lengthOf(self) <= maxElements); });
    guard(Array.prototype, ["concat"], function (self, args) {
        var total = lengthOf(self);
        for (var i = 0; i < args.length; i++) total += typeof args[i] === "object" ? lengthOf(args[i]) : 1;
        return !(total <= maxElements);
    });
    guard(String.prototype, ["repeat"], function (self, args) {
        return !(chars(self) * (Number(args[0]) || 0) <= maxChars);
    });
    guard(String.prototype, ["padStart", "padEnd"], function (self, args) {
        return !((Number(args[0]) || 0) <= maxChars);
    });
    guard(String.prototype, ["split"], function (self) { return !(chars(self) <= maxElements); });
    // Replacing every match: its count times the replacement bounds the result.
    guard(String.prototype, ["replace", "replaceAll"], function (self, args, name) {
        var everywhere = name === "replaceAll" || (args[0] instanceof RegExp && args[0].global);
        return everywhere && typeof args[1] !== "function" &&
            !((chars(self) + 1) * chars(args[1]) <= 8 * maxChars);
    });
    ["ArrayBuffer", "SharedArrayBuffer", "DataView", "Int8Array", "Uint8Array", "Uint8ClampedArray",
     "Int16Array", "Uint16Array", "Int32Array", "Uint32Array", "Float32Array", "Float64Array",
     "Atomics", "Proxy", "WebAssembly"].forEach(function (name) { delete global[name]; });
}
