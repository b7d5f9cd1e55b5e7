// The page's figures against its budgets, in one headless Debian Chromium, by hand once the site is
// built (scripts/web-site):
//  - the whole site's size, raw and gzip-compressed; budget: at most 150 KB compressed;
//  - from navigation to the euro field ready for typing (focused, its text selected), against a
//    blank page that instantiates a 1 KB WebAssembly module, the two loaded in turn; budget: at
//    most 1.5 times the blank page's median;
//  - a TAB that moves to the other field, with both fields and the sentence up to date, timed
//    inside the page; budget: median under 1 ms.
//   node bench/web_figures.mjs [SITE_FOLDER, build-web/site] [loads, 30] [TABs, 2000]
import { mkdtemp, readdir, readFile, rm, stat, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, serve, site } from '../tests/web/lib.mjs';

const loads = Number(process.argv[3] ?? 30);
const tabs = Number(process.argv[4] ?? 2000);

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
};
const row = (what, value, budget) => {
  console.log(`${what.padEnd(56)} ${value.padStart(12)}  ${budget}`);
};

async function files_of(folder, prefix = '') {
  const found = [];
  for (const entry of await readdir(folder, { withFileTypes: true })) {
    const path = join(folder, entry.name);
    if (entry.isDirectory()) found.push(...await files_of(path, `${prefix}${entry.name}/`));
    else found.push({ name: `${prefix}${entry.name}`, path });
  }
  return found;
}

// The size: each file compressed on its own, as a host sends it.
let raw = 0;
let compressed = 0;
for (const file of await files_of(site)) {
  const body = await readFile(file.path);
  raw += (await stat(file.path)).size;
  compressed += gzipSync(body, { level: 9 }).length;
}
row('The site, raw', `${(raw / 1024).toFixed(1)} KB`, '');
row('The site, gzip-compressed', `${(compressed / 1024).toFixed(1)} KB`, 'budget: 150 KB');

// The blank page: an HTML page whose script instantiates a module of 1 KB (a memory and 1 000
// bytes of data), and then focuses a field.
const blank = await mkdtemp(join(tmpdir(), 'trelumo-blank-'));
const data = Buffer.alloc(1000, 7);
const module = Buffer.concat([
  Buffer.from([0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00]),
  Buffer.from([0x05, 0x03, 0x01, 0x00, 0x01]),                    // a memory of one page
  Buffer.from([0x0b, 0xef, 0x07, 0x01, 0x00, 0x41, 0x00, 0x0b, 0xe8, 0x07]), data,  // its data
]);
await writeFile(join(blank, 'blank.wasm'), module);
await writeFile(join(blank, 'index.html'),
    '<!DOCTYPE html><html lang="es"><head><meta charset="utf-8"><title>Blank</title>' +
    '<script src="blank.js" defer></script></head><body><input id="field"></body></html>');
await writeFile(join(blank, 'blank.js'),
    "WebAssembly.instantiateStreaming(fetch('blank.wasm')).then(() => {\n" +
    "  document.getElementById('field').focus();\n});\n");

const page_server = await serve(site);
const blank_server = await serve(blank);
const browser = await launch();

// Milliseconds from navigation until a field has the focus with its text selected.
async function ready_time(url, field) {
  const context = await browser.newContext({ locale: 'es-ES' });
  const page = await context.newPage();
  await page.addInitScript((id) => {
    document.addEventListener('focusin', (event) => {
      if (event.target.id === id) window.ready_at = performance.now();
    });
  }, field);
  await page.goto(url);
  await page.waitForFunction(() => window.ready_at !== undefined);
  const time = await page.evaluate(() => window.ready_at);
  await context.close();
  return time;
}

const page_times = [];
const blank_times = [];
await ready_time(page_server.url, 'text_euro');  // the browser's own first start
for (let load = 0; load < loads; ++load) {
  page_times.push(await ready_time(page_server.url, 'text_euro'));
  blank_times.push(await ready_time(blank_server.url, 'field'));
}
const page_median = median(page_times);
const blank_median = median(blank_times);
row(`Navigation to the euro field ready, median of ${loads}`, `${page_median.toFixed(1)} ms`, '');
row('The blank page with a 1 KB module, median', `${blank_median.toFixed(1)} ms`, '');
row('The page against the blank page', `${(page_median / blank_median).toFixed(2)}`,
    'budget: 1.5');

// TABs inside the page: each sent as the keyboard sends it, to the field with the focus; the
// time until the key is handled, both fields and the sentence then up to date.
const context = await browser.newContext({ locale: 'es-ES' });
const page = await context.newPage();
await page.goto(page_server.url);
await page.waitForFunction(() => document.activeElement?.id === 'text_euro');
const tab_times = await page.evaluate((count) => {
  const times = [];
  const euro = document.getElementById('text_euro');
  euro.value = '1234,5';
  euro.dispatchEvent(new InputEvent('input', { inputType: 'insertText' }));
  for (let tab = 0; tab < count; ++tab) {
    const field = document.activeElement;
    const start = performance.now();
    field.dispatchEvent(new KeyboardEvent('keydown',
        { key: 'Tab', code: 'Tab', shiftKey: tab % 2 === 1, bubbles: true, cancelable: true }));
    times.push(performance.now() - start);
    if (document.activeElement === field) throw new Error('the TAB did not move');
  }
  return times;
}, tabs);
const sorted = [...tab_times].sort((a, b) => a - b);
const microseconds = (milliseconds) => `${(milliseconds * 1000).toFixed(0)} µs`;
row(`A TAB, median of ${tabs}`, microseconds(median(tab_times)), 'budget: 1 000 µs');
row('A TAB, 99th percentile', microseconds(sorted[Math.floor(sorted.length * 0.99)]), '');

await context.close();
await browser.close();
await page_server.close();
await blank_server.close();
await rm(blank, { recursive: true, force: true });
