// SPDX-License-Identifier: GPL-2.0-or-later
// The page: the buttons, the five selections and the picture, over the module's C functions.
// The texts are the desktop's, translated from its .ts files (KIVA_TEXTS); the view, its
// commands and its pictures are the desktop's own code, compiled to WebAssembly.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const canvas = $('picture');
  const context2d = canvas.getContext('2d');
  const address = new URLSearchParams(location.hash.replace(/^#/, ''));
  const bare = address.has('bare');
  const FRAME_MS = 100;  // the desktop's animation frame

  // The browser's first language the desktop has, or the address's "lang".
  function chooseLanguage() {
    const wanted = address.get('lang') ? [address.get('lang')] : (navigator.languages || [navigator.language || 'en']);
    for (const tag of wanted) {
      const code = String(tag).replace('-', '_');
      if (KIVA_TEXTS[code]) return code;
      const base = code.split('_')[0];
      if (base === 'en') return '';
      const near = Object.keys(KIVA_TEXTS).find((name) => name.split('_')[0] === base);
      if (near) return near;
    }
    return '';
  }
  const language = chooseLanguage();
  const translations = new Map();
  for (const line of (KIVA_TEXTS[language] || '').split('\n')) {
    const [where, english, text] = line.split('\t');
    if (text) translations.set(where + '\u0004' + english.replace(/\\n/g, '\n'), text.replace(/\\n/g, '\n'));
  }
  // A text of the desktop in the page's language, without its menu mnemonic or dots.
  function tr(where, english) {
    const text = translations.get(where + '\u0004' + english) || english;
    return text.replace(/&(?=\S)/g, '').replace(/\s*\(&.\)/, '').replace(/\.\.\.$/, '').replace(/\t.*$/, '');
  }
  const decimalPoint = new Intl.NumberFormat(language ? language.replace('_', '-') : 'en').format(1.5).charAt(1);
  document.documentElement.lang = language ? language.replace('_', '-') : 'en';

  let K = null;  // the module
  const call = (name, ...args) => K['_kiva_' + name](...args);
  const text = (name, ...args) => K.UTF8ToString(call(name, ...args));
  const withText = (name, value, ...args) => K.ccall('kiva_' + name, 'number', ['string'].concat(args.map(() => 'number')), [value, ...args]);

  // The picture in device pixels, as the window shows it, or the address's fixed size.
  let fixedSize = false, heldFrame = false;
  function layOut() {
    if (fixedSize) return;
    const ratio = Math.min(window.devicePixelRatio || 1, 2);
    const width = Math.max(64, Math.round(canvas.clientWidth * ratio));
    const height = Math.max(64, Math.round(canvas.clientHeight * ratio));
    call('set_size', width, height);
  }

  function drawFlat(width, height) {
    const calls = call('low_quality') >> 2;
    const heap = K.HEAP32;
    const count = heap[calls];
    const colour = (c) => 'rgb(' + (c & 255) + ',' + ((c >> 8) & 255) + ',' + ((c >> 16) & 255) + ')';
    let brush = null;
    context2d.fillStyle = '#000';
    context2d.fillRect(0, 0, width, height);
    context2d.lineCap = 'round';
    const shape = (draw) => {
      context2d.beginPath();
      draw();
      if (brush) { context2d.fillStyle = brush; context2d.fill(); }
      context2d.stroke();
    };
    for (let at = calls + 1; at < calls + 1 + count;) {
      const op = heap[at++];
      const n = (k) => heap[at + k];
      if (op === 1) { context2d.fillStyle = colour(n(4)); context2d.fillRect(n(0), n(1), n(2) - n(0), n(3) - n(1)); at += 5; }
      else if (op === 2) { context2d.lineWidth = Math.max(1, n(0)); context2d.strokeStyle = colour(n(1)); at += 2; }
      else if (op === 3) { brush = colour(n(0)); at += 1; }
      else if (op === 4) { brush = null; }
      else if (op === 5) {
        const [l, t, r, b] = [n(0), n(1), n(2), n(3)];
        shape(() => context2d.ellipse((l + r) / 2, (t + b) / 2, Math.max(0, (r - l - 1) / 2), Math.max(0, (b - t - 1) / 2), 0, 0, 2 * Math.PI));
        at += 4;
      } else if (op === 6) {
        context2d.beginPath(); context2d.moveTo(n(0) + 0.5, n(1) + 0.5); context2d.lineTo(n(2) + 0.5, n(3) + 0.5); context2d.stroke(); at += 4;
      } else if (op === 7) { shape(() => context2d.rect(n(0) + 0.5, n(1) + 0.5, n(2) - n(0) - 1, n(3) - n(1) - 1)); at += 4; }
      else break;
    }
  }

  // Renders the picture into the canvas, one picture pixel to one canvas pixel.
  function draw() {
    const low = call('low_quality_shown');
    const pointer = call('picture');
    const width = call('picture_width'), height = call('picture_height');
    if (canvas.width !== width || canvas.height !== height) { canvas.width = width; canvas.height = height; }
    if (bare || fixedSize) { canvas.style.width = width + 'px'; canvas.style.height = height + 'px'; }
    if (low) drawFlat(width, height);
    else context2d.putImageData(new ImageData(new Uint8ClampedArray(K.HEAPU8.buffer, pointer, width * height * 4), width, height), 0, 0);
    canvas.setAttribute('aria-label', tr('CKivaView', 'Picture') + ': ' + text('description'));
    $('readout').textContent = text('tip');
  }

  let drawPending = false;
  function redraw() {
    if (drawPending) return;
    drawPending = true;
    requestAnimationFrame(() => { drawPending = false; draw(); refreshButtons(); });
  }

  // The liquid, the gas and the rock move at the desktop's pace; a held frame stays.
  let lastStep = 0;
  function animate(now) {
    if (!heldFrame && now - lastStep >= FRAME_MS) {
      lastStep = now;
      if (call('step')) { draw(); }
    }
    requestAnimationFrame(animate);
  }

  // ---- the buttons ----
  const buttons = [];
  function makeButtons() {
    const lines = text('buttons').split('\n').filter(Boolean);
    let selection = 0;
    for (const line of lines) {
      const [group, id, where, label] = line.split('\t');
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = tr(where, label);
      button.title = button.textContent;
      button.dataset.id = id;
      if (group === 'selections') {
        const kind = selection++;
        button.addEventListener('click', () => openSelection(kind));
      } else if (group === 'files') {
        button.addEventListener('click', savePicture);
      } else if (group === 'colours') {
        button.setAttribute('aria-expanded', 'false');
        button.addEventListener('click', () => {
          const panel = $('colour-panel');
          panel.hidden = !panel.hidden;
          button.setAttribute('aria-expanded', String(!panel.hidden));
          if (!panel.hidden) $('colour-element').focus();
        });
        $(group).insertBefore(button, $('colour-panel'));
        continue;
      } else {
        button.addEventListener('click', () => runCommand(Number(id)));
        buttons.push(button);
      }
      $(group).appendChild(button);
    }
  }

  function refreshButtons() {
    for (const button of buttons) {
      const state = call('command_state', Number(button.dataset.id));
      button.disabled = !(state & 2);
      if (state & 4) button.setAttribute('aria-pressed', state & 8 ? 'true' : 'false');
    }
    const crystal = call('multiples_enabled');
    ['x', 'y', 'z'].forEach((axis, i) => {
      const input = $('multiple-' + axis);
      input.disabled = !crystal;
      if (document.activeElement !== input) input.value = call('multiple', i);
    });
  }

  function showMessage(message) {
    if (!message) return;
    $('readout').textContent = message;
  }

  function runCommand(id) {
    call('command', id);
    showMessage(text('message'));
    redraw();
  }

  function savePicture() {
    canvas.toBlob((blob) => {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(blob);
      link.download = (text('substance') || 'Zelkora') + '.png';
      document.body.appendChild(link);
      link.click();
      link.remove();
      setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }, 'image/png');
  }

  // ---- the element colours, kept in the browser as the desktop keeps its element table ----
  const COLOURS_KEY = 'zelkora-element-colours';
  const hex = (c) => '#' + [c & 255, (c >> 8) & 255, (c >> 16) & 255].map((v) => v.toString(16).padStart(2, '0')).join('');
  const unhex = (text) => parseInt(text.slice(1, 3), 16) | parseInt(text.slice(3, 5), 16) << 8 | parseInt(text.slice(5, 7), 16) << 16;
  function wireColours() {
    $('colour-label').textContent = tr('ElementColorDialog', 'Color of element:');
    const select = $('colour-element'), value = $('colour-value');
    const symbols = text('element_symbols').split('\n').slice(0, -1);
    select.replaceChildren(...symbols.map((symbol) => new Option(symbol)));
    let kept = {};
    try { kept = JSON.parse(localStorage.getItem(COLOURS_KEY) || '{}') || {}; } catch (error) { kept = {}; }
    symbols.forEach((symbol, row) => {
      if (/^#[0-9a-f]{6}$/i.test(kept[symbol] || '')) call('set_element_colour', row, unhex(kept[symbol]));
    });
    const show = () => { value.value = hex(call('element_colour', select.selectedIndex)); };
    select.addEventListener('change', show);
    value.addEventListener('input', () => {
      call('set_element_colour', select.selectedIndex, unhex(value.value));
      kept[symbols[select.selectedIndex]] = value.value;
      try { localStorage.setItem(COLOURS_KEY, JSON.stringify(kept)); } catch (error) { /* a page without storage keeps them until it closes */ }
      redraw();
    });
    show();
  }

  // ---- the five selections ----
  const KEY_LABELS = [['&Elements:'], ['&Positive Ions:', '&Negative Ions:'], ['&Positive Covalence:', '&Negative Covalence:'],
                      ['&Category:'], []];
  const TITLES = ['Homoatomic Substance', 'Metallic Compounds', 'Non-Metallic Compounds', 'Organic Compounds', 'Index'];
  let opener = null;

  function fillList(select, lines, row) {
    select.replaceChildren(...lines.map((line) => new Option(line)));
    select.selectedIndex = row;
  }
  function refreshList() {
    fillList($('selection-list'), text('selection_lines').split('\n').slice(0, -1), call('selection_row'));
  }

  function openSelection(kind) {
    opener = document.activeElement;
    call('selection_open', kind);
    $('selection-title').textContent = tr('SelectionDialog', TITLES[kind]);
    const keys = $('selection-keys');
    keys.replaceChildren();
    KEY_LABELS[kind].forEach((label, column) => {
      const wrap = document.createElement('label');
      wrap.append(tr('SelectionDialog', label));
      const select = document.createElement('select');
      select.size = 8;
      fillList(select, text('selection_keys', column).split('\n').slice(0, -1), -1);
      select.addEventListener('change', () => {
        call('selection_choose_key', column, select.selectedIndex);
        refreshList();
        $('selection-name').value = text('selection_name');
      });
      wrap.appendChild(select);
      keys.appendChild(wrap);
    });
    $('selection-list-label').textContent = tr('SelectionDialog', '&Select from:');
    $('selection-name-label').textContent = tr('SelectionDialog', kind === 0 ? '&Selected Substance:' : 'Selected &Compound:');
    $('selection-ok').textContent = tr('Dialog', 'OK');
    $('selection-cancel').textContent = tr('Dialog', 'Cancel');
    $('selection-message').textContent = '';
    $('selection-name').value = '';
    refreshList();
    $('selection').hidden = false;
    (keys.querySelector('select') || $('selection-name')).focus();
  }

  function closeSelection() {
    $('selection').hidden = true;
    (opener && opener.isConnected ? opener : canvas).focus();
  }

  function confirmSelection() {
    const outcome = call('selection_confirm');
    if (outcome === 2) { $('selection-message').textContent = text('message'); return; }
    if (outcome !== 1) return;
    closeSelection();
    canvas.focus();
    document.title = text('substance') + ' - Zelkora';
    layOut();
    redraw();
  }

  function wireSelection() {
    const list = $('selection-list'), name = $('selection-name');
    list.addEventListener('change', () => { call('selection_choose_row', list.selectedIndex); name.value = text('selection_name'); });
    list.addEventListener('dblclick', confirmSelection);
    list.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); confirmSelection(); } });
    name.addEventListener('input', () => {
      withText('selection_edit', name.value);
      $('selection-list').selectedIndex = call('selection_row');
      $('selection-message').textContent = '';
    });
    name.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); confirmSelection(); } });
    $('selection-ok').addEventListener('click', confirmSelection);
    $('selection-cancel').addEventListener('click', closeSelection);
    $('selection').addEventListener('keydown', (e) => { if (e.key === 'Escape') { e.preventDefault(); closeSelection(); } });
  }

  // ---- the picture's pointer, wheel, touch and keys ----
  const pointers = new Map();
  let pinch = null;
  function picturePoint(e) {
    const box = canvas.getBoundingClientRect();
    return [Math.round((e.clientX - box.left) * canvas.width / box.width), Math.round((e.clientY - box.top) * canvas.height / box.height)];
  }
  function wirePicture() {
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    canvas.addEventListener('pointerdown', (e) => {
      canvas.focus();
      canvas.setPointerCapture(e.pointerId);
      pointers.set(e.pointerId, picturePoint(e));
      if (pointers.size === 2) {  // two fingers: move and pinch
        call('mouse', 3, 0, 0, 0);
        const [a, b] = [...pointers.values()];
        pinch = { span: Math.hypot(a[0] - b[0], a[1] - b[1]) };
        call('mouse', 0, (a[0] + b[0]) >> 1, (a[1] + b[1]) >> 1, 1);
      } else if (pointers.size === 1) {
        const [x, y] = picturePoint(e);
        call('mouse', 0, x, y, e.button === 2 || e.button === 1 ? 1 : 0);
      }
      redraw();
    });
    canvas.addEventListener('pointermove', (e) => {
      const [x, y] = picturePoint(e);
      if (pointers.has(e.pointerId)) pointers.set(e.pointerId, [x, y]);
      if (pinch && pointers.size === 2) {
        const [a, b] = [...pointers.values()];
        const span = Math.hypot(a[0] - b[0], a[1] - b[1]);
        while (span > pinch.span * 1.15) { call('key', 4, 0, 0); pinch.span *= 1.15; }
        while (span < pinch.span / 1.15) { call('key', 5, 0, 0); pinch.span /= 1.15; }
        call('mouse', 1, (a[0] + b[0]) >> 1, (a[1] + b[1]) >> 1, 1);
      } else {
        call('mouse', 1, x, y, 0);
      }
      redraw();
    });
    const end = (e, kind) => {
      if (!pointers.delete(e.pointerId)) return;
      const [x, y] = picturePoint(e);
      if (pinch) { call('mouse', 3, 0, 0, 0); if (pointers.size === 0) pinch = null; }
      else call('mouse', kind, x, y, 0);
      redraw();
    };
    canvas.addEventListener('pointerup', (e) => end(e, 2));
    canvas.addEventListener('pointercancel', (e) => end(e, 3));
    canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      if (e.deltaY) call('key', e.deltaY < 0 ? 4 : 5, 0, 0);
      redraw();
    }, { passive: false });
    const KEYS = { ArrowLeft: 0, ArrowRight: 1, ArrowUp: 2, ArrowDown: 3, '+': 4, '=': 4, '-': 5, r: 6, R: 6, Home: 7 };
    canvas.addEventListener('keydown', (e) => {
      if (!(e.key in KEYS) || e.altKey || e.metaKey) return;
      if (call('key', KEYS[e.key], e.shiftKey ? 1 : 0, e.ctrlKey ? 1 : 0)) { e.preventDefault(); redraw(); }
    });
    for (const axis of ['x', 'y', 'z']) {
      $('multiple-' + axis).addEventListener('change', () => {
        const value = (a) => Math.min(16, Math.max(1, Math.round(Number($('multiple-' + a).value) || 1)));
        call('set_multiples', value('x'), value('y'), value('z'));
        redraw();
      });
    }
    window.addEventListener('resize', () => { layOut(); redraw(); });
  }

  // What a test or a teacher's script may ask of the page.
  window.kivaPage = {
    // The milliseconds a frame of a turn takes, each frame turned by a key and drawn.
    timeFrames(frames) {
      const start = performance.now();
      for (let i = 0; i < frames; ++i) { call('key', 1, 1, 0); draw(); }
      return (performance.now() - start) / frames;
    },
    // The page coordinates of the atoms a click would pick, scene order, up to `count`.
    atomCentres(count = 8) {
      const box = canvas.getBoundingClientRect(), found = [];
      for (let i = 0; found.length < count && i < call('atom_count'); ++i) {
        const at = call('atom_point', i);
        if (at !== -1) found.push([box.left + (at >> 16) * box.width / canvas.width, box.top + (at & 65535) * box.height / canvas.height]);
      }
      return found;
    },
    pictureBase64() {
      const width = call('picture_width'), height = call('picture_height');
      const bytes = new Uint8Array(K.HEAPU8.buffer, call('picture'), width * height * 4);
      let binary = '';
      for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
      return { width, height, rgba: btoa(binary) };
    },
  };

  window.kivaReady = createKiva().then((module) => {
    K = module;
    if (!call('start')) throw new Error(text('error'));
    const table = KIVA_TEXTS[language] || '';
    K.ccall('kiva_set_language', null, ['string', 'string', 'string'], [language, table, decimalPoint]);
    makeButtons();
    $('multiples-title').textContent = tr('Command', 'Multiples of unit cell');
    wireSelection();
    wirePicture();
    wireColours();
    if (bare) document.body.classList.add('bare');
    if (!withText('start_from', location.hash.replace(/^#/, ''))) showMessage(text('message'));
    fixedSize = !!call('fixed_size');
    heldFrame = !!call('held_frame');
    layOut();
    draw();
    refreshButtons();
    if (text('substance')) document.title = text('substance') + ' - Zelkora';
    else if (!bare) openSelection(4);
    requestAnimationFrame(animate);
    document.body.dataset.ready = 'true';
    return window.kivaPage;
  }).catch((error) => {
    // A browser without WebAssembly, or a damaged page: say so rather than show an empty picture.
    $('readout').textContent = 'Zelkora cannot start in this browser: ' + error.message;
    throw error;
  });
})();
