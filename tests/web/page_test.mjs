// SPDX-License-Identifier: GPL-2.0-or-later
// The page as a student uses it, in headless Chromium driven over its DevTools protocol: it
// opens from file:// without any network, picks NaCl through the metallic selection with the
// pointer, switches to the crystal, and its canvas must equal kiva-render's picture of the same
// view byte for byte; then a drag turns it. The crystal of 4 x 4 x 4 cells is timed in the page.
//   node --experimental-websocket page_test.mjs PAGE KIVA_RENDER SHOTS_DIR
import { spawn, execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { inflateSync } from 'node:zlib';

const [page, kivaRender, shots] = process.argv.slice(2);
const WIDTH = 1366, HEIGHT = 768;
let failures = 0;
function check(condition, what) {
  console.log((condition ? 'ok   ' : 'FAIL ') + what);
  if (!condition) failures++;
}

// An 8-bit RGB or RGBA PNG without interlacing, as kiva-render writes it, as RGBA bytes.
function readPng(path) {
  const file = readFileSync(path);
  let at = 8, width = 0, height = 0, channels = 0;
  const data = [];
  while (at < file.length) {
    const length = file.readUInt32BE(at), type = file.toString('latin1', at + 4, at + 8);
    const body = file.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0); height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[12] !== 0) throw new Error('not an 8-bit flat PNG');
      channels = { 2: 3, 6: 4 }[body[9]];
    } else if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels, rgba = Buffer.alloc(width * height * 4);
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)], line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let x = 0; x < stride; x++) {
      const a = x >= channels ? line[x - channels] : 0, b = previous[x], c = x >= channels ? previous[x - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predictor = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      line[x] = (line[x] + predictor) & 255;
    }
    for (let x = 0; x < width; x++) {
      for (let k = 0; k < 3; k++) rgba[(y * width + x) * 4 + k] = line[x * channels + k];
      rgba[(y * width + x) * 4 + 3] = channels === 4 ? line[x * 4 + 3] : 255;
    }
    previous = line;
  }
  return { width, height, rgba };
}

// ---- Chromium and its protocol ----
const profile = mkdtempSync(join(tmpdir(), 'kiva-page-'));
const browser = spawn('chromium-headless-shell', ['--no-sandbox', '--disable-gpu', '--remote-debugging-port=0',
  '--user-data-dir=' + profile, `--window-size=${WIDTH},${HEIGHT}`, 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe'] });
const endpoint = await new Promise((resolve, reject) => {
  let seen = '';
  browser.stderr.on('data', (chunk) => {
    seen += chunk;
    const found = seen.match(/DevTools listening on (ws:\S+)/);
    if (found) resolve(found[1]);
  });
  browser.on('exit', () => reject(new Error('Chromium ended: ' + seen)));
  setTimeout(() => reject(new Error('Chromium did not start')), 30000);
});
const port = new URL(endpoint).port;
const targets = await (await fetch(`http://127.0.0.1:${port}/json/list`)).json();
const socket = new WebSocket(targets.find((t) => t.type === 'page').webSocketDebuggerUrl);
await new Promise((resolve) => socket.addEventListener('open', resolve));
let nextId = 1;
const waiting = new Map();
const requests = [];
socket.addEventListener('message', (event) => {
  const message = JSON.parse(event.data);
  if (message.id && waiting.has(message.id)) {
    waiting.get(message.id)(message);
    waiting.delete(message.id);
  } else if (message.method === 'Network.requestWillBeSent') requests.push(message.params.request.url);
});
function send(method, params = {}) {
  const id = nextId++;
  socket.send(JSON.stringify({ id, method, params }));
  return new Promise((resolve, reject) => waiting.set(id, (m) => (m.error ? reject(new Error(method + ': ' + m.error.message)) : resolve(m.result))));
}
async function evaluate(expression) {
  const result = await send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
  if (result.exceptionDetails) throw new Error(expression + ': ' + JSON.stringify(result.exceptionDetails));
  return result.result.value;
}
async function shoot(name) {
  if (!shots) return;
  const { data } = await send('Page.captureScreenshot', { format: 'png' });
  writeFileSync(join(shots, name + '.png'), Buffer.from(data, 'base64'));
}
// The middle of an element, in CSS pixels of the page.
async function centreOf(selector) {
  return evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect();
                           return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
}
async function mouse(type, [x, y], buttons = 1) {
  await send('Input.dispatchMouseEvent', { type, x, y, button: type === 'mouseMoved' && !buttons ? 'none' : 'left', buttons, clickCount: 1 });
}
async function key(name) {
  const codes = { Enter: 13, Escape: 27, ArrowRight: 39, Tab: 9 };
  for (const type of ['rawKeyDown', 'keyUp'])
    await send('Input.dispatchKeyEvent', { type, key: name, code: name, windowsVirtualKeyCode: codes[name] });
  if (name === 'Enter') await send('Input.dispatchKeyEvent', { type: 'char', text: '\r' });
}
async function click(selector) {
  const at = await centreOf(selector);
  await mouse('mousePressed', at);
  await mouse('mouseReleased', at, 0);
}
// The page's picture bytes, in pieces: one message of several megabytes stalls the socket.
async function pictureOfPage() {
  const { width, height, length } = await evaluate('(() => { window.kivaShot = kivaPage.pictureBase64(); return { width: kivaShot.width, height: kivaShot.height, length: kivaShot.rgba.length }; })()');
  let text = '';
  for (let at = 0; at < length; at += 1 << 19) text += await evaluate(`kivaShot.rgba.substr(${at}, ${1 << 19})`);
  return { width, height, rgba: Buffer.from(text, 'base64') };
}
// A fresh page for each address: a navigation that changes only the fragment would keep the old one.
async function openPage(hash) {
  await send('Page.navigate', { url: 'about:blank' });
  await send('Page.navigate', { url: 'file://' + page + (hash ? '#' + hash : '') });
  await evaluate('new Promise((resolve) => { const wait = () => window.kivaReady ? kivaReady.then(resolve) : setTimeout(wait, 10); wait(); })');
  await evaluate('new Promise(requestAnimationFrame)');
}
function kivaRenderPicture(args) {
  const dir = mkdtempSync(join(tmpdir(), 'kiva-render-'));
  execFileSync(kivaRender, [...args, '-o', join(dir, 'picture.png')]);
  const picture = readPng(join(dir, 'picture.png'));
  rmSync(dir, { recursive: true });
  return picture;
}
function samePicture(a, b) {
  return a.width === b.width && a.height === b.height && Buffer.compare(a.rgba, b.rgba) === 0;
}

try {
  if (shots) mkdirSync(shots, { recursive: true });
  await send('Page.enable');
  await send('Runtime.enable');
  await send('Network.enable');
  await send('Emulation.setDeviceMetricsOverride', { width: WIDTH, height: HEIGHT, deviceScaleFactor: 1, mobile: false });

  // Opening: usable within a second, with nothing fetched but the file itself.
  await openPage('');
  const readyAt = await evaluate('performance.now()');
  console.log(`usable ${readyAt.toFixed(0)} ms after the page opened`);
  check(readyAt < 1000, 'the page is usable within 1 s');
  check(await evaluate('!document.getElementById("selection").hidden'), 'a page without a substance opens the Index');
  await shoot('index');

  // The keyboard alone: the Index's name typed, Enter, then an arrow key turns the picture.
  await send('Input.insertText', { text: 'NaCl' });
  await key('Enter');
  check((await evaluate('document.title')).startsWith('NaCl'), 'a name typed into the Index and Enter open it');
  check(await evaluate('document.activeElement.id === "picture"'), 'the picture has the keyboard then');
  const before = await pictureOfPage();
  await key('ArrowRight');
  await evaluate('new Promise(requestAnimationFrame)');
  check(!samePicture(before, await pictureOfPage()), 'the right arrow turns the picture');

  // Each of the five selections, seen as a student sees it; Escape closes it.
  for (const [n, name] of ['element', 'metallic', 'nonmetallic', 'organic', 'index'].entries()) {
    await click(`#selections button:nth-child(${n + 1})`);
    if (name === 'organic') {
      await evaluate('(() => { const s = document.querySelector("#selection-keys select"); s.selectedIndex = 0; s.dispatchEvent(new Event("change")); })()');
    }
    if (name === 'element') {
      await evaluate('(() => { const s = document.querySelector("#selection-keys select"); s.selectedIndex = [...s.options].findIndex((o) => o.text === "C"); s.dispatchEvent(new Event("change")); })()');
    }
    await shoot('selection-' + name);
    await key('Escape');
  }
  check(await evaluate('document.getElementById("selection").hidden'), 'Escape closes a selection');

  // NaCl through the metallic selection: Na, Cl, then OK.
  await click('#selections button:nth-child(2)');
  const keyLists = await evaluate('[...document.querySelectorAll("#selection-keys select")].map((s) => [...s.options].map((o) => o.text))');
  check(keyLists.length === 2, 'the metallic selection lists positive and negative ions');
  for (const [column, ion] of [[0, 'Na'], [1, 'Cl']]) {
    const row = keyLists[column].indexOf(ion);
    check(row >= 0, `the metallic selection offers ${ion}`);
    await evaluate(`(() => { const s = document.querySelectorAll("#selection-keys select")[${column}];
                            s.selectedIndex = ${row}; s.dispatchEvent(new Event("change")); })()`);
  }
  check((await evaluate('document.getElementById("selection-name").value')) === 'NaCl', 'Na and Cl give NaCl');
  await shoot('metallic');
  await click('#selection-ok');
  check(await evaluate('document.getElementById("selection").hidden'), 'OK opens the substance');

  // The crystal, as kiva-render draws the same view.
  await click('#states button:nth-child(2)');
  await evaluate('new Promise(requestAnimationFrame)');
  const crystal = await pictureOfPage();
  check(samePicture(crystal, kivaRenderPicture(['NaCl', '--state', 'crystal', '--size', `${crystal.width}x${crystal.height}`, '--smooth'])),
        `the crystal at ${crystal.width} x ${crystal.height} equals kiva-render's picture byte for byte`);
  check(/NaCl/.test(await evaluate('document.getElementById("picture").getAttribute("aria-label")')), 'the picture names the substance');
  await shoot('crystal');

  // A drag turns it.
  const [cx, cy] = await centreOf('#picture');
  await mouse('mousePressed', [cx, cy]);
  for (let step = 1; step <= 10; step++) await mouse('mouseMoved', [cx + 8 * step, cy + 3 * step]);
  await mouse('mouseReleased', [cx + 80, cy + 30], 0);
  await evaluate('new Promise(requestAnimationFrame)');
  check(!samePicture(crystal, await pictureOfPage()), 'a drag turns the crystal');
  await shoot('turned');

  // A distance measured between two atoms of the molecule.
  await openPage('substance=H2O&size=340x340');
  await click('#measures button:nth-child(2)');
  await evaluate('new Promise(requestAnimationFrame)');
  const atoms = await evaluate('kivaPage.atomCentres()');
  for (const atom of atoms.slice(0, 2)) {
    await mouse('mousePressed', atom);
    await mouse('mouseReleased', atom, 0);
    await evaluate('new Promise(requestAnimationFrame)');
  }
  const readout = await evaluate('document.getElementById("readout").textContent');
  console.log('read-out: ' + readout);
  check(/Distance=/.test(readout), 'two atoms picked show their distance');
  await shoot('distance');

  // An address gives the view: the fixed default picture, and a held frame of the liquid.
  await openPage('substance=NaCl&state=crystal&multiples=2,2,2&model=space&size=340x340&bare');
  check(samePicture(await pictureOfPage(), kivaRenderPicture(['NaCl', '--state', 'crystal', '--multiples', '2,2,2', '--model', 'space'])),
        'the address\'s 2 x 2 x 2 crystal equals kiva-render\'s');
  await openPage('substance=H2O&state=liquid&frames=5&size=1366x768&bare');
  check(samePicture(await pictureOfPage(), kivaRenderPicture(['H2O', '--state', 'liquid', '--frames', '5', '--size', '1366x768'])),
        'the liquid\'s fifth frame at 1366 x 768 equals kiva-render\'s');
  await shoot('liquid');

  // The browser's language: German buttons, read-outs and description.
  await openPage('lang=de&substance=NaCl&state=crystal');
  const labels = await evaluate('[...document.querySelectorAll("#bar button")].map((b) => b.textContent).join("|")');
  check(labels.includes('Drehen'), 'the German page turns with "Drehen"');
  check(/Kristall/.test(await evaluate('document.getElementById("picture").getAttribute("aria-label")')), 'and describes a "Kristall"');
  await shoot('german');

  // The frame time of the 4 x 4 x 4 crystal filling a 1366 x 768 page.
  await openPage('substance=NaCl&state=crystal&multiples=4,4,4&model=space&size=1366x768&bare');
  const frameMs = await evaluate('kivaPage.timeFrames(100)');
  console.log(`NaCl 4 x 4 x 4 space-filling at 1366 x 768: ${frameMs.toFixed(1)} ms a frame over 100 frames`);
  check(frameMs <= 50, 'a frame in at most 50 ms');

  const remote = requests.filter((url) => !url.startsWith('file:') && !url.startsWith('data:') && !url.startsWith('blob:') && url !== 'about:blank');
  check(remote.length === 0, 'nothing fetched from a network' + (remote.length ? ': ' + remote.join(' ') : ''));
} catch (error) {
  console.log('FAIL ' + error.message);
  failures++;
} finally {
  socket.close();
  browser.kill();
  rmSync(profile, { recursive: true, force: true });
}
process.exit(failures ? 1 : 0);
