// Marks a Zarvik homework page: each exercise's fields against its answers,
// compared as a teacher would, and the count of right exercises.
(function () {
  'use strict';

  // The answers are in the page, but not as text one reads in its source:
  // mixed with the page's salt and written in base 64.
  function readAnswers() {
    var element = document.getElementById('key');
    var bytes = atob(element.textContent.replace(/\s+/g, ''));
    var salt = new TextEncoder().encode(element.getAttribute('data-salt'));
    var plain = new Uint8Array(bytes.length);
    for (var i = 0; i < bytes.length; i++)
      plain[i] = bytes.charCodeAt(i) ^ salt[i % salt.length] ^ ((i * 7) & 255);
    return JSON.parse(new TextDecoder().decode(plain));
  }

  function lower(text) { return text.toLocaleLowerCase('tr-TR'); }
  function squeezed(text) { return text.replace(/\s+/g, ''); }

  // "0012,50" → "12,5"; null for anything but one number.
  function decimal(text) {
    var t = squeezed(lower(text)).replace(/^(yaklaşık|≈|~)/, '').replace(/^\+/, '');
    var m = /^(-?)(\d+)(?:[.,](\d+))?$/.exec(t);
    if (!m) return null;
    var whole = m[2].replace(/^0+(?=\d)/, '');
    var part = (m[3] || '').replace(/0+$/, '');
    var negative = m[1] && (whole !== '0' || part);
    return (negative ? '-' : '') + whole + (part ? ',' + part : '');
  }

  // What a typed number may mean: a point is a decimal point, or, in groups
  // of three digits, the thousands' dots Turkish writes ("83.000").
  function decimals(text) {
    var found = [decimal(text)];
    var t = squeezed(text);
    if (/^-?\d{1,3}(\.\d{3})+$/.test(t)) found.push(decimal(t.replace(/\./g, '')));
    return found;
  }

  // Words: any case, no spaces, "3, kalan 2" as "3 kalan 2".
  function words(text) {
    return squeezed(lower(text))
      .replace(/[.,;!]+$/, '')
      .replace(/,(?=\D)/g, '')
      .replace(/\./g, ',');
  }

  function gcd(a, b) { return b ? gcd(b, a % b) : Math.abs(a) || 1; }

  // "1 1/4", "5/4", "10/8", "1 tam 1/4", "2" → [5, 4]; null otherwise.
  function fraction(text) {
    var t = lower(text).trim().replace(/\s*tam\s*/, ' ').replace(/\s*\/\s*/g, '/')
      .replace(/\s+/g, ' ');
    var m, whole = 0, top = 0, bottom = 1;
    if ((m = /^(-?\d+)$/.exec(t))) whole = +m[1];
    else if ((m = /^(-?\d+)\/(\d+)$/.exec(t))) { top = +m[1]; bottom = +m[2]; }
    else if ((m = /^(-?\d+) (\d+)\/(\d+)$/.exec(t))) {
      whole = +m[1]; top = +m[2]; bottom = +m[3];
    } else return null;
    if (bottom === 0) return null;
    var numerator = Math.abs(whole) * bottom + top;
    if (whole < 0) numerator = -numerator;
    var g = gcd(numerator, bottom);
    return (numerator / g) + '/' + (bottom / g);
  }

  // "9:30", "09.30", "930", "21:30" → minutes past twelve o'clock.
  function clockMinutes(text) {
    var m = /^(\d{1,2})[:.]?(\d{2})$/.exec(squeezed(text));
    if (!m || +m[1] > 24 || +m[2] > 59) return null;
    return (+m[1] % 12) * 60 + +m[2];
  }

  function numberList(text) {
    var t = lower(text);
    return t.match(/-?\d+/g) || [];
  }

  function sameList(a, b) { return a.join(',') === b.join(','); }

  function sortedSet(list) {
    return list.map(Number).filter(function (n, i, all) { return all.indexOf(n) === i; })
      .sort(function (a, b) { return a - b; });
  }

  // The hands set on a face, "hourAngle minute", against "9:30": the minute
  // hand on its minute, the hour hand within half an hour's turn of its place.
  function handsRight(value, time) {
    var parts = value.split(' '), expected = time.split(':');
    if (parts.length !== 2 || parts[0] === '' || parts[1] === '') return false;
    var hour = +expected[0] % 12, minute = +expected[1];
    if (+parts[1] !== minute) return false;
    var difference = Math.abs(+parts[0] - (hour * 30 + minute / 2)) % 360;
    return Math.min(difference, 360 - difference) <= 15;
  }

  var checks = {
    n: function (typed, accepted) {
      var wanted = decimal(accepted[0]);
      return decimals(typed).indexOf(wanted) >= 0;
    },
    t: function (typed, accepted) {
      var w = words(typed);
      return w !== '' && accepted.some(function (a) { return words(a) === w; });
    },
    f: function (typed, accepted) {
      var f = fraction(typed);
      return f !== null && f === fraction(accepted[0]);
    },
    h: function (typed, accepted) {
      var m = clockMinutes(typed);
      if (m !== null) return m === clockMinutes(accepted[1]);
      return checks.t(typed, [accepted[0]]);
    },
    l: function (typed, accepted) {
      return sameList(numberList(typed), numberList(accepted[0]));
    },
    s: function (typed, accepted) {
      return sameList(sortedSet(numberList(typed)), sortedSet(numberList(accepted[0])));
    },
    r: function (typed, accepted) { return typed === accepted[0]; },
    c: function (typed, accepted) { return handsRight(typed, accepted[0]); }
  };

  var answers = readAnswers();
  var exercises = document.querySelectorAll('.ex');

  function fieldOf(e, f) { return document.getElementById('f' + e + '-' + f); }

  function clearMark(section) {
    section.classList.remove('right', 'wrong');
    section.querySelector('.mark').textContent = '';
    section.querySelectorAll('.ok,.bad').forEach(function (field) {
      field.classList.remove('ok', 'bad');
      field.removeAttribute('aria-invalid');
    });
  }

  function check() {
    var right = 0;
    answers.forEach(function (fields, e) {
      var all = true;
      fields.forEach(function (field, f) {
        var input = fieldOf(e, f);
        var ok = checks[field[0]](input.value, field.slice(1));
        all = all && ok;
        var shown = input.type === 'hidden' ? input.parentNode : input;
        shown.classList.toggle('ok', ok);
        shown.classList.toggle('bad', !ok);
        shown.setAttribute('aria-invalid', ok ? 'false' : 'true');
      });
      var section = exercises[e];
      section.classList.toggle('right', all);
      section.classList.toggle('wrong', !all);
      section.querySelector('.mark').textContent = all ? '✓ Doğru' : '✗ Yanlış';
      if (all) right++;
    });
    document.getElementById('score').textContent = right + ' / ' + answers.length + ' doğru';
  }

  document.getElementById('check').addEventListener('click', check);
  // A corrected answer loses its old mark until the next check.
  exercises.forEach(function (section) {
    section.addEventListener('input', function () { clearMark(section); });
    section.addEventListener('change', function () { clearMark(section); });
  });

  // Clock faces to set: the chosen hand points where the face is touched.
  var svgNs = 'http://www.w3.org/2000/svg';
  document.querySelectorAll('.setclock').forEach(function (box) {
    var svg = box.querySelector('svg');
    var rim = svg.querySelector('circle');
    var cx = +rim.getAttribute('cx'), cy = +rim.getAttribute('cy'), r = +rim.getAttribute('r');
    var input = box.querySelector('input');
    var section = box.closest('.ex');
    var buttons = section.querySelectorAll('.hands button');
    var hand = 'm', hourAngle = null, minute = null;
    var drawn = {};
    function line(name, length, width) {
      if (!drawn[name]) {
        drawn[name] = document.createElementNS(svgNs, 'path');
        drawn[name].setAttribute('stroke', '#1565c0');
        drawn[name].setAttribute('stroke-width', width);
        drawn[name].setAttribute('stroke-linecap', 'round');
        svg.appendChild(drawn[name]);
      }
      return function (degrees) {
        var radians = degrees * Math.PI / 180;
        drawn[name].setAttribute('d', 'M' + cx + ' ' + cy + 'L' +
          (cx + length * Math.sin(radians)) + ' ' + (cy - length * Math.cos(radians)));
      };
    }
    function show() {
      if (minute !== null) line('m', r * 0.6, 8)(minute * 6);
      if (hourAngle !== null) line('h', r * 0.42, 16)(hourAngle);
      input.value = (hourAngle === null ? '' : hourAngle) + ' ' + (minute === null ? '' : minute);
      clearMark(section);
    }
    function point(event) {
      var p = svg.createSVGPoint();
      p.x = event.clientX;
      p.y = event.clientY;
      var at = p.matrixTransform(svg.getScreenCTM().inverse());
      var degrees = Math.atan2(at.x - cx, cy - at.y) * 180 / Math.PI;
      if (degrees < 0) degrees += 360;
      if (hand === 'm') minute = Math.round(degrees / 6) % 60;
      else hourAngle = Math.round(degrees * 2) / 2 % 360;
      show();
    }
    var pressed = false;
    svg.addEventListener('pointerdown', function (event) {
      pressed = true;
      event.preventDefault();
      point(event);
    });
    svg.addEventListener('pointermove', function (event) { if (pressed) point(event); });
    window.addEventListener('pointerup', function () { pressed = false; });
    buttons.forEach(function (button) {
      button.addEventListener('click', function () {
        hand = button.getAttribute('data-hand');
        buttons.forEach(function (b) { b.setAttribute('aria-pressed', String(b === button)); });
      });
    });
  });
})();
