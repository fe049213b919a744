// Zarvik's web pages in Debian's Chromium, as a pupil uses them on a phone:
// for every family's example (the registry's, from the manual page) and for
// sheets of every way of answering, the right answer goes into half of the
// exercises and a wrong one into the rest, "Kontrol et" is pressed, and each
// exercise's mark and the count must agree. The page must fit a 360-pixel
// screen, keep its fields 44 pixels high and ask the network for nothing.
//
//   node html_sheets.mjs ZARVIK_CLI
// Exit 0: passed; 1: failed; 77: Chromium or puppeteer-core is not installed.

import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

const chromium = '/usr/bin/chromium';
let puppeteer;
try {
  puppeteer = (await import('puppeteer-core')).default;
} catch {
  console.log('SKIP: puppeteer-core is not installed (scripts/setup-npm.sh)');
  process.exit(77);
}
if (!fs.existsSync(chromium)) {
  console.log('SKIP: Chromium is not installed (scripts/setup.sh)');
  process.exit(77);
}

const cli = process.argv[2];
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'zarvik-html-'));
const seed = '1733788800';

// Every family's example, as the manual page lists it: a family added to the
// registry is tested here without a line of this file changing.
function registryExamples() {
  const manual = execFileSync(cli, ['--manual-page'], { encoding: 'utf8' });
  const lines = manual.split('.SH ÖRNEKLER')[1].split('.fi')[0].split('\n');
  const examples = [];
  for (const raw of lines) {
    const line = raw.replace(/\\-/g, '-').replace(/\\e/g, '\\');
    const words = (line.match(/"[^"]*"|\S+/g) || []).map((w) => w.replace(/^"|"$/g, ''));
    if (words[0] !== 'zarvik-cli' || words.at(-2) !== '-o' || words.at(-1) !== words[1] + '.pdf')
      continue;
    examples.push(words.slice(1, -2));
  }
  return examples;
}

// Sheets of every way of answering besides the examples.
const more = [
  ['column', '--page', 'a4', '--op', 'Toplama', '--prop', 'Eldeli sayılarla karışık'],
  ['column', '--page', 'a5', '--op', 'Bölme', '--prop', 'İleri seviye bölme (3-4-5. sınıf)',
    '--answers', '9;8;evet'],
  ['fraction', '--op', 'Toplama', '--type', 'Tam Sayılı Kesir', '--denominators',
    'Paydaları Farklı'],
  ['numbers', '--kind', 'Sayı Okuma', '--digits', '4', '--columns', 'Tek Sütun'],
  ['numbers', '--kind', 'Karşılaştırma', '--digits', '3'],
  ['numbers', '--kind', 'Sıralama', '--digits', '3'],
  ['numbers', '--kind', 'Tek ve Çift Sayılar', '--digits', '2'],
  ['activity', '--kind', 'Saat Okuma'],
  ['activity', '--kind', 'Saat Çizme', '--opt', 'Hassasiyet=5 dakika'],
  ['activity', '--kind', 'Ritmik Sayma'],
  ['activity', '--kind', 'Basamak Değeri'],
  ['activity', '--kind', 'Paralarımız'],
  // The picture kinds, drawn as line art.
  ['activity', '--kind', 'Kesir Modelleri'],
  ['activity', '--kind', 'Sayı Doğrusu'],
  ['activity', '--kind', 'Çetele ve Sıklık'],
  ['activity', '--kind', 'Şekil Grafiği'],
  ['activity', '--kind', 'Sütun Grafiği'],
  ['activity', '--kind', 'Çevre ve Alan'],
  ['activity', '--kind', 'Cetvel'],
  ['activity', '--kind', 'Geometrik Şekiller'],
  ['text', '401', '--count', '12', '--p1', '5', '--p2', '5', '--check'],
  ['text', '106', '--count', '12', '--p1', '2', '--p2', '2'],
  ['text', '403', '--count', '12', '--p1', '2', '--p2', '2'],
  ['text', '601', '--count', '12', '--p1', 'Litre', '--p2', 'Ondalık Sayı'],
  ['text', '501', '--count', '12', '--p1', '7'],
];

// The answer for each field, typed as a pupil might: the forms a teacher
// takes as equal are used on purpose (other case, point for comma, another
// order, an equal fraction).
function rightInputs(exercise, fieldCount, variant) {
  const { shape, answer, values, text } = exercise;
  if (shape === 'sequence')
    return values.blanks.map((b) => String(values.numbers[b]));
  if (shape === 'clock' && values.hands === false) return [`${values.hour}:${values.minute}`];
  if (shape === 'clock') {
    const m = /^(.*) \((\d+):(\d+)\)$/.exec(answer);
    if (!m) return [answer];
    if (variant % 2) return [m[1].toLocaleUpperCase('tr-TR')];
    return [`${(+m[2] % 12) + (variant % 4 === 2 ? 12 : 0)}:${m[3]}`];
  }
  if (shape === 'fractions') {
    const f = /^(?:(\d+) )?(\d+)\/(\d+)$/.exec(answer);
    if (f && variant % 2) {  // an improper fraction, not simplified
      const whole = +(f[1] || 0), top = +f[2], bottom = +f[3];
      return [`${2 * (whole * bottom + top)}/${2 * bottom}`];
    }
    return [answer];
  }
  if (shape === 'problem') {
    // The result after the last "=", a number a field; "27 lira" is 0 kuruş.
    const numbers = answer.split(';').pop().split('=').pop().match(/\d+/g);
    while (numbers.length < fieldCount) numbers.push('0');
    return numbers.slice(0, fieldCount);
  }
  if (fieldCount > 1) {
    const numbers = answer.match(/\d+(?:,\d+)?/g);
    return numbers.slice(numbers.length - fieldCount);
  }
  const relation = /^\S+ ([<>=]) \S+$/.exec(answer);
  if (relation) return [relation[1]];
  const blank = /_{3,}|\.{4,}/.exec(text);
  let typed = answer.replace(/^yaklaşık /, '');
  if (blank) {
    const after = text.slice(blank.index + blank[0].length).trim();
    if (after && typed.endsWith(after)) typed = typed.slice(0, -after.length).trim();
  }
  if (variant % 3 === 1) typed = typed.replace(/(\d),(\d)/g, '$1.$2');
  if (/, kalan /.test(typed) && variant % 2) typed = typed.replace(', kalan', ' kalan');
  if (values.odd !== undefined) typed = typed.split(', ').reverse().join(',');
  if (/[a-zçğıöşü]/.test(typed) && variant % 2) typed = typed.toLocaleUpperCase('tr-TR');
  return [typed];
}

function wrongInputs(rights, variant) {
  return rights.map((r, i) => {
    if (variant % 5 === 3 && i === 0) return '';  // left empty
    const m = /(\d+)(?!.*\d)/.exec(r);
    if (m) return r.slice(0, m.index) + String(+m[1] + 1) + r.slice(m.index + m[1].length);
    return 'yanlış ' + r;
  });
}

let failures = 0;
function fail(what) {
  failures++;
  console.log('FAIL: ' + what);
}

const browser = await puppeteer.launch({
  executablePath: chromium,
  userDataDir: fs.mkdtempSync(path.join(work, 'profile-')),
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});

async function setHands(page, e, hour, minute) {
  // Touches the face where each hand must point, the long hand first.
  const box = await page.$eval(`#f${e}-0`, (input) => {
    const r = input.parentNode.querySelector('circle').getBoundingClientRect();
    input.closest('.ex').scrollIntoView();
    const rr = input.parentNode.querySelector('circle').getBoundingClientRect();
    return { x: rr.left + rr.width / 2, y: rr.top + rr.height / 2, r: r.width / 2 };
  });
  const at = (degrees, length) => {
    const a = degrees * Math.PI / 180;
    return [box.x + length * box.r * Math.sin(a), box.y - length * box.r * Math.cos(a)];
  };
  const section = `.ex:nth-of-type(${e + 1})`;
  await page.click(`${section} [data-hand=m]`);
  await page.mouse.click(...at(minute * 6, 0.7));
  await page.click(`${section} [data-hand=h]`);
  await page.mouse.click(...at((hour % 12) * 30 + minute / 2, 0.35));
}

async function fill(page, e, inputs) {
  for (let f = 0; f < inputs.length; f++) {
    const id = `#f${e}-${f}`;
    const kind = await page.$eval(id, (el) => el.tagName + ':' + el.type);
    if (kind === 'INPUT:hidden') {
      const [h, m] = inputs[0].split(':').map(Number);
      await setHands(page, e, h, m);
      return;
    }
    if (kind.startsWith('SELECT')) {
      await page.select(id, inputs[f]);
      continue;
    }
    await page.$eval(id, (el) => { el.value = ''; });
    if (inputs[f] !== '') await page.type(id, inputs[f]);
  }
}

async function checkSheet(args, name) {
  const file = path.join(work, name + '.html');
  execFileSync(cli, [...args, '--time', seed, '-o', file]);
  const sheet = JSON.parse(execFileSync(cli, [...args, '--time', seed, '--json'],
    { encoding: 'utf8' }));
  const exercises = sheet.exercises;
  const label = args.join(' ');
  const bytes = fs.statSync(file).size;
  if (exercises.length <= 50 && bytes >= 200 * 1024)
    fail(`${label}: ${bytes} bytes for ${exercises.length} exercises`);

  const page = await browser.newPage();
  await page.setViewport({ width: 360, height: 740, isMobile: true, hasTouch: true,
    deviceScaleFactor: 2 });
  const fileUrl = 'file://' + file;
  const requests = [];
  page.on('request', (r) => { if (r.url() !== fileUrl && !r.url().startsWith('data:')) requests.push(r.url()); });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(fileUrl, { waitUntil: 'load' });

  const layout = await page.evaluate(() => ({
    scroll: document.documentElement.scrollWidth,
    low: [...document.querySelectorAll('input:not([type=hidden]),select,button')]
      .map((el) => el.getBoundingClientRect().height).filter((h) => h < 44).length,
    sections: document.querySelectorAll('.ex').length,
  }));
  if (layout.scroll > 360) fail(`${label}: ${layout.scroll} pixels wide on a 360-pixel screen`);
  if (layout.low) fail(`${label}: ${layout.low} fields or buttons lower than 44 pixels`);
  if (layout.sections !== exercises.length)
    fail(`${label}: ${layout.sections} exercises on the page, ${exercises.length} on the sheet`);

  const counts = await page.$$eval('.ex', (sections) =>
    sections.map((s, e) => s.querySelectorAll(`[id^=f${e}-]`).length));
  const expected = [];
  const atOnce = [];
  for (let e = 0; e < exercises.length; e++) {
    const rights = rightInputs(exercises[e], counts[e], e);
    const right = e % 2 === 0;
    let inputs = right ? rights : wrongInputs(rights, e);
    const setOnFace = exercises[e].shape === 'clock' && exercises[e].values.hands === false;
    if (!right && setOnFace) {
      const [h, m] = rights[0].split(':').map(Number);
      inputs = [`${h}:${(m + 15) % 60}`];
    }
    if (!right && inputs.length === 1 && ['<', '>', '='].includes(rights[0]))
      inputs = [rights[0] === '<' ? '>' : '<'];
    expected.push(right);
    // A few typed key by key and every clock set by touch, as on a phone;
    // the rest filled in at once, which is quicker.
    if (e < 3 || setOnFace) await fill(page, e, inputs);
    else inputs.forEach((value, f) => atOnce.push([`f${e}-${f}`, value]));
  }
  await page.evaluate((all) => {
    for (const [id, value] of all) {
      const field = document.getElementById(id);
      field.value = value;
      field.dispatchEvent(new Event('input', { bubbles: true }));
    }
  }, atOnce);
  await page.click('#check');
  const marks = await page.$$eval('.ex', (all) => all.map((s) => s.classList.contains('right')));
  marks.forEach((mark, e) => {
    if (mark !== expected[e])
      fail(`${label}: exercise ${e + 1} (${exercises[e].text} = ${exercises[e].answer}) ` +
        `marked ${mark ? 'right' : 'wrong'}`);
  });
  const rightCount = expected.filter(Boolean).length;
  const score = await page.$eval('#score', (el) => el.textContent);
  if (score !== `${rightCount} / ${exercises.length} doğru`) fail(`${label}: count "${score}"`);

  // The pupil corrects the second exercise and checks again.
  if (exercises.length > 1) {
    await fill(page, 1, rightInputs(exercises[1], counts[1], 1));
    const cleared = await page.$eval('.ex:nth-of-type(2) .mark', (el) => el.textContent);
    if (cleared !== '') fail(`${label}: a corrected answer keeps its old mark`);
    await page.click('#check');
    const again = await page.$eval('#score', (el) => el.textContent);
    if (again !== `${rightCount + 1} / ${exercises.length} doğru`)
      fail(`${label}: count after a correction "${again}"`);
  }
  if (requests.length) fail(`${label}: asked the network for ${requests.join(', ')}`);
  if (errors.length) fail(`${label}: script errors ${errors.join('; ')}`);
  await page.close();
  return exercises.length;
}

let sheets = 0, checked = 0;
try {
  const all = [...registryExamples(), ...more];
  for (let i = 0; i < all.length; i++) {
    checked += await checkSheet(all[i], `sheet-${i}`);
    sheets++;
  }
} finally {
  await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
}
console.log(`${sheets} sheets, ${checked} exercises checked in Chromium`);
console.log(`${failures === 0 ? 1 : 0} passed, ${failures === 0 ? 0 : 1} failed`);
process.exit(failures === 0 ? 0 : 1);
