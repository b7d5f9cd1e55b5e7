// The page's DOM as its C++ code uses it (platform/web/dom.h): elements made, changed and listened
// to by number. Texts cross as UTF-8. Nothing here decides anything: each event goes to the C++
// listener, which answers whether it handled it; a handled event does nothing more in the browser.
mergeInto(LibraryManager.library, {
  // 0: the window, 1: the document; the rest as they are made or found.
  $dom__postset: 'dom.elements.push(window, document);',
  $dom: {
    elements: [],
    free: [],
    // Each element has one number, however often it is found.
    add: function (element) {
      var known = dom.elements.indexOf(element);
      if (known >= 0) return known;
      var id = dom.free.length ? dom.free.pop() : dom.elements.length;
      dom.elements[id] = element;
      return id;
    },
    // A text the C++ side hands over: its UTF-8 bytes and their number, not terminated.
    text: function (pointer, length) {
      return UTF8ToString(pointer, length);
    },
    // A copy in the module's memory, which the caller frees.
    copy: function (text) {
      return allocateUTF8(text === undefined || text === null ? '' : String(text));
    },
    modifiers: function (event) {
      return (event.ctrlKey ? 1 : 0) | (event.altKey ? 2 : 0) | (event.shiftKey ? 4 : 0) |
             (event.metaKey ? 8 : 0) | (event.repeat ? 16 : 0) |
             ((event.button === undefined ? 0 : event.button + 1) << 8) |
             (event.pointerType === 'touch' || event.type.startsWith('touch') ? 1 << 16 : 0) |
             (event.isComposing ? 1 << 17 : 0);
    },
  },

  web_element__deps: ['$dom'],
  web_element: function (id_pointer, id_pointer_size) {
    var element = document.getElementById(dom.text(id_pointer, id_pointer_size));
    return element ? dom.add(element) : -1;
  },

  web_create__deps: ['$dom'],
  web_create: function (tag, tag_size) {
    return dom.add(document.createElement(dom.text(tag, tag_size)));
  },

  web_append__deps: ['$dom'],
  web_append: function (parent, child) {
    dom.elements[parent].appendChild(dom.elements[child]);
  },

  web_remove__deps: ['$dom'],
  web_remove: function (id) {
    var element = dom.elements[id];
    if (element && element.remove) element.remove();
    dom.elements[id] = null;
    dom.free.push(id);
  },

  web_set_attribute__deps: ['$dom'],
  web_set_attribute: function (id, name, name_size, value, value_size) {
    dom.elements[id].setAttribute(dom.text(name, name_size), dom.text(value, value_size));
  },

  web_remove_attribute__deps: ['$dom'],
  web_remove_attribute: function (id, name, name_size) {
    dom.elements[id].removeAttribute(dom.text(name, name_size));
  },

  web_set_style__deps: ['$dom'],
  web_set_style: function (id, property, property_size, value, value_size) {
    dom.elements[id].style.setProperty(dom.text(property, property_size),
                                       dom.text(value, value_size));
  },

  web_set_text__deps: ['$dom'],
  web_set_text: function (id, text, text_size) {
    dom.elements[id].textContent = dom.text(text, text_size);
  },

  // The text as a new text node: a live region tells of it even when the text is the same.
  web_replace_text__deps: ['$dom'],
  web_replace_text: function (id, text, text_size) {
    dom.elements[id].replaceChildren(document.createTextNode(dom.text(text, text_size)));
  },

  web_value__deps: ['$dom'],
  web_value: function (id) {
    return dom.copy(dom.elements[id].value);
  },

  web_set_value__deps: ['$dom'],
  web_set_value: function (id, text, text_size) {
    dom.elements[id].value = dom.text(text, text_size);
  },

  // Start, end and whether the caret is at the start, in UTF-16 code units.
  web_selection__deps: ['$dom'],
  web_selection: function (id, out) {
    var element = dom.elements[id];
    HEAP32[out >> 2] = element.selectionStart;
    HEAP32[(out >> 2) + 1] = element.selectionEnd;
    HEAP32[(out >> 2) + 2] = element.selectionDirection === 'backward' ? 1 : 0;
  },

  web_select__deps: ['$dom'],
  web_select: function (id, start, end, backward) {
    dom.elements[id].setSelectionRange(start, end, backward ? 'backward' : 'forward');
  },

  web_replace_selection__deps: ['$dom'],
  web_replace_selection: function (id, text, text_size) {
    var element = dom.elements[id];
    element.setRangeText(dom.text(text, text_size), element.selectionStart, element.selectionEnd,
                         'end');
  },

  web_tag__deps: ['$dom'],
  web_tag: function (id) {
    return dom.copy(dom.elements[id].tagName.toLowerCase());
  },

  web_closest__deps: ['$dom'],
  web_closest: function (id, selector, selector_size) {
    var element = dom.elements[id];
    var selector_text = dom.text(selector, selector_size);
    var found = element && element.closest ? element.closest(selector_text) : null;
    return found ? dom.add(found) : -1;
  },

  web_click__deps: ['$dom'],
  web_click: function (id) {
    dom.elements[id].click();
  },

  web_focus__deps: ['$dom'],
  web_focus: function (id) {
    dom.elements[id].focus({preventScroll: true});
  },

  web_has_focus__deps: ['$dom'],
  web_has_focus: function (id) {
    return document.activeElement === dom.elements[id];
  },

  web_body__deps: ['$dom'],
  web_body: function () {
    return dom.add(document.body);
  },

  web_focused__deps: ['$dom'],
  web_focused: function () {
    return dom.add(document.activeElement || document.body);
  },

  web_contains__deps: ['$dom'],
  web_contains: function (outer, inner) {
    return dom.elements[outer].contains(dom.elements[inner]);
  },

  // A keystroke sent to an element, as the keyboard would send it.
  web_send_key__deps: ['$dom'],
  web_send_key: function (id, key, key_size) {
    var name = dom.text(key, key_size);
    dom.elements[id].dispatchEvent(
        new KeyboardEvent('keydown', {key: name, code: name, bubbles: true, cancelable: true}));
  },

  web_listen__deps: ['$dom'],
  web_listen: function (id, type, type_size, listener) {
    dom.elements[id].addEventListener(dom.text(type, type_size), function (event) {
      var stack = stackSave();
      var key = event.key !== undefined ? event.key : event.inputType;
      var data = event.clipboardData ? event.clipboardData.getData('text/plain') : event.data;
      var handled = _web_event(listener, allocateUTF8OnStack(event.type),
                               allocateUTF8OnStack(key || ''),
                               allocateUTF8OnStack(event.code || ''),
                               allocateUTF8OnStack(data || ''),
                               dom.modifiers(event),
                               event.target instanceof Element ? dom.add(event.target) : id);
      stackRestore(stack);
      if (handled) {
        event.preventDefault();
        event.stopPropagation();
      }
    });
  },

  // Changes of the colour scheme, of forced colours and the like, as events of type "change".
  web_listen_media__deps: ['$dom'],
  web_listen_media: function (query, query_size, listener) {
    window.matchMedia(dom.text(query, query_size)).addEventListener('change', function () {
      var stack = stackSave();
      _web_event(listener, allocateUTF8OnStack('change'), 0, 0, 0, 0, 0);
      stackRestore(stack);
    });
  },

  web_media_matches__deps: ['$dom'],
  web_media_matches: function (query, query_size) {
    return window.matchMedia(dom.text(query, query_size)).matches;
  },

  web_language__deps: ['$dom'],
  web_language: function () {
    return dom.copy(navigator.language);
  },

  // The decimal separator (decimal) or the group separator the browser writes numbers with in its
  // language.
  web_number_separator__deps: ['$dom'],
  web_number_separator: function (decimal) {
    var parts = new Intl.NumberFormat(navigator.language, {useGrouping: true})
                    .formatToParts(1234567.5);
    var wanted = decimal ? 'decimal' : 'group';
    var part = parts.find(function (part) { return part.type === wanted; });
    return dom.copy(part ? part.value : '');
  },

  web_clone_template__deps: ['$dom'],
  web_clone_template: function (id, id_size, into) {
    var template = document.getElementById(dom.text(id, id_size));
    if (!template || !template.content) return 0;
    dom.elements[into].appendChild(template.content.cloneNode(true));
    return 1;
  },

  // Calls the listener, with an event of type "resize", each time the element's size changes.
  web_observe_size__deps: ['$dom'],
  web_observe_size: function (id, listener) {
    new ResizeObserver(function () {
      var stack = stackSave();
      _web_event(listener, allocateUTF8OnStack('resize'), 0, 0, 0, 0, id);
      stackRestore(stack);
    }).observe(dom.elements[id]);
  },

  web_post: function (task) {
    setTimeout(function () { _web_run_task(task); }, 0);
  },

  // The width and height of an element's box, in CSS pixels, whatever zoom a window around it has.
  web_extent__deps: ['$dom'],
  web_extent: function (id, out) {
    var element = dom.elements[id];
    HEAPF64[out >> 3] = element.offsetWidth;
    HEAPF64[(out >> 3) + 1] = element.offsetHeight;
  },

  // A CSS colour as the page draws it, 0xRRGGBB.
  web_drawn_colour__deps: ['$dom'],
  web_drawn_colour: function (id, property, property_size) {
    var value = getComputedStyle(dom.elements[id])
                    .getPropertyValue(dom.text(property, property_size));
    var parts = value.match(/[\d.]+/g) || [0, 0, 0];
    return (parts[0] << 16) | (parts[1] << 8) | (parts[2] | 0);
  },

  web_width__deps: ['$dom'],
  web_width: function (id) {
    return dom.elements[id].offsetWidth;
  },

  web_viewport_width: function () {
    return document.documentElement.clientWidth;
  },

  web_show_modal__deps: ['$dom'],
  web_show_modal: function (id) {
    dom.elements[id].showModal();
  },

  web_close_dialog__deps: ['$dom'],
  web_close_dialog: function (id) {
    if (dom.elements[id].open) dom.elements[id].close();
  },

  // Closes the page's window where the browser lets a page do so (an installed app's window, one
  // that a page opened); true when it is closing.
  web_close_page: function () {
    window.close();
    return window.closed;
  },

  web_set_title: function (text, text_size) {
    document.title = UTF8ToString(text, text_size);
  },

  // Registered once the page has loaded: the worker's start and its first fetches of the site
  // would otherwise take some 25 ms of the page's own start-up time.
  web_keep_offline: function (script, script_size) {
    if (!('serviceWorker' in navigator && location.protocol.startsWith('http'))) return;
    var url = UTF8ToString(script, script_size);
    var register = function () {
      navigator.serviceWorker.register(url).catch(function () {});
    };
    if (document.readyState === 'complete') register();
    else window.addEventListener('load', register, { once: true });
  },

  web_reload: function () {
    location.reload();
  },
});
