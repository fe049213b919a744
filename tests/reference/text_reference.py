#!/usr/bin/env python3
"""A second, independent implementation of the text worksheet kinds, written in
Python from the exercise rules, used to cross-check zarvik-cli byte for byte.

Usage: text_reference.py ZARVIK_CLI [ROUNDS]
"""
import os
import random
import subprocess
import sys
import tempfile

M32 = 2 ** 32


class Draw:
    def __init__(self, t):
        self.low = (t + 1) % M32
        self.high = 0
        self.short()

    def short(self):
        self.low = (self.low * 22695477 + 1) % M32
        return (self.low >> 16) & 0x7FFF

    def long(self):
        v = ((self.high << 32) | self.low) * 0x0000015A00004E35 + 1
        v %= 2 ** 64
        self.low, self.high = v % M32, v >> 32
        return self.high & 0x7FFFFFFF

    def rd(self, n):
        r = [self.short() for _ in range(6)]
        s = (r[0] % 100 + 100 * (r[1] % 100) + 10000 * (r[2] % 100)
             + 1000000 * (r[3] % 100) + 10000000 * (r[4] % 100))
        x = s % (10 ** (r[5] % 8 + 2))
        if n == 0:
            raise Failure("Division by zero")
        return x % abs(n)  # x >= 0: truncating remainder

    def lrd(self, n):
        if n == 0:
            return 0
        return self.long() % abs(n)


class Failure(Exception):
    pass


class Refused(Exception):
    pass


def num(text):
    t = text
    if t[:1] in "+-":
        body = t[1:]
    else:
        body = t
    if not body or not all("0" <= c <= "9" for c in body):
        raise Failure("'%s' is not a valid integer value" % text)
    v = int(t)
    if not -2 ** 31 <= v < 2 ** 31:
        raise Failure("'%s' is not a valid integer value" % text)
    return v


def p10(e):
    if e < 0:
        return 0
    assert e <= 9
    return 10 ** e


def zfd(d):
    x = d.rd(10)
    if x != 0:
        x = d.rd(10)
        if x != 0:
            x = d.rd(10)
    return x


def part(d, digits):
    return d.rd(p10(d.rd(digits) + 1))


def gen(kind, count, p1, p2, check, d):
    out = []
    w = out.append

    if kind == 101:
        L = num(p1); n = num(count)
        if (not check and L in (0, -2)) or L == 2 ** 31 - 1:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(L + 1)
            while not check and a == 0:
                a = d.rd(L + 1)
            b = d.rd(L + 1)
            while not check and b == 0:
                b = d.rd(L + 1)
            w("%d+%d=\n" % (a, b))
    elif kind == 102:
        D1 = num(p1); D2 = num(p2); asked2 = D2
        if D1 < D2:
            D2 = D1
        n = num(count)
        if D1 > 10 or D1 < -10 or asked2 > 10:
            raise Refused
        for _ in range(max(n, 0)):
            P = d.rd(D1) + 1
            Q = d.rd(D2) + 1
            Q = min(Q, P)
            a = []
            for j in range(P):
                v = d.rd(9)
                while j == P - 1 and v == 0:
                    v = d.rd(9)
                a.append(v)
            b = []
            for j in range(Q):
                while True:
                    v = d.rd(10 - a[j])
                    if v == 0:
                        v = d.rd(10 - a[j])
                    if not (j == Q - 1 and v == 0):
                        break
                b.append(v)
            w("".join(map(str, reversed(a))) + "+" + "".join(map(str, reversed(b))) + "=\n")
    elif kind == 103:
        n = num(count)
        for _ in range(max(n, 0)):
            u = d.rd(10)
            while u == 0:
                u = d.rd(10)
            t = d.rd(10)
            while t == 0:
                t = d.rd(10)
            c = d.rd(10)
            while u + c < 10:
                c = d.rd(10)
            w("%d%d+%d=\n" % (t, u, c))
    elif kind == 104:
        D1 = num(p1); D2 = num(p2); n = num(count)
        if D1 == 0 or D1 >= 10 or D2 == 0 or D2 >= 10:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(p10(D1))
            while a == 0:
                a = d.rd(p10(D1))
            b = d.rd(p10(D2))
            while b == 0 or b > a:
                b = d.rd(p10(D2))
            w("%d+%d=\n" % (a, b))
    elif kind == 105:
        K = num(p1); E = num(p2); n = num(count)
        if K == -2 ** 31 or E >= 10 or E <= -8:
            raise Refused
        for _ in range(max(n, 0)):
            k = d.rd(K - 1) + 2
            terms = []
            for j in range(k):
                e = d.rd(E - 1) + 2
                terms.append(str(d.rd(p10(e))))
            w("+".join(terms) + "=\n")
    elif kind in (106, 205, 306, 307, 403, 404):
        I = num(p1); F = num(p2); n = num(count)
        if abs(I) >= 10 or abs(F) >= 10:
            raise Refused
        for _ in range(max(n, 0)):
            if kind == 106:
                v = [part(d, I), part(d, F), part(d, I), part(d, F)]
                w("%d,%d+%d,%d=\n" % tuple(v))
            elif kind == 205:
                w1 = part(d, I) + 1
                f1 = part(d, F)
                w2 = d.rd(w1)
                f2 = part(d, F)
                w("%d,%d-%d,%d=\n" % (w1, f1, w2, f2))
            elif kind == 306:
                v = [part(d, I), part(d, F), part(d, I), part(d, F)]
                w("%d,%dX%d,%d=\n" % tuple(v))
            elif kind == 403:
                w1 = part(d, I); f1 = part(d, F); w2 = part(d, I); f2 = part(d, F)
                while w2 == 0 and f2 == 0:
                    w2 = part(d, I); f2 = part(d, F)
                w("%d,%d\xf7%d,%d=\n" % (w1, f1, w2, f2))
            else:
                wh = part(d, I); fr = part(d, F); m = p10(d.rd(3) + 1)
                w(("%d,%dX%d=\n" if kind == 307 else "%d,%d\xf7%d=\n") % (wh, fr, m))
    elif kind == 201:
        L = num(p1); n = num(count); z = 0 if check else 1
        if L < -2 ** 31 + 2:
            raise Refused
        for _ in range(max(n, 0)):
            while True:
                x = d.rd(L - 1 - z) + z + 1
                y = d.rd(L - z) + z
                if y <= x:
                    break
            w("%d-%d=\n" % (x, y))
    elif kind == 202:
        n = num(count)
        for _ in range(max(n, 0)):
            a = d.rd(20)
            while a < 10:
                a = d.rd(20)
            b = d.rd(9) + 1
            w("%d-%d=\n" % (a, b))
    elif kind == 203:
        D = num(p1); n = num(count)
        if D > 10 or D <= -9:
            raise Refused
        for _ in range(max(n, 0)):
            P = d.rd(D - 1) + 2
            Q = d.rd(P - 1) + 2
            a = [d.rd(9) + 1 for _ in range(P)]
            b = [d.rd(a[j]) + 1 for j in range(Q)]
            w("".join(map(str, reversed(a))) + "-" + "".join(map(str, reversed(b))) + "=\n")
    elif kind == 204:
        D = num(p1); n = num(count)
        if D >= 10:
            raise Refused
        bound = int(10.0 ** D - 1)  # truncation toward zero
        for _ in range(max(n, 0)):
            a = d.rd(bound) + 1
            b = d.rd(a) + 1
            w("%d-%d=\n" % (a, b))
    elif kind in (301, 302):
        N = num(p1); n = num(count)
        if N == -2 ** 31:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(N - 1) + 2
            b = d.rd(10) + 1 if kind == 301 else d.rd(N - 1) + 2
            w("%dX%d=\n" % (a, b))
    elif kind == 303:
        L = num(p1); M = num(p2); n = num(count)
        if L > 6 or L < -4:
            raise Refused
        for _ in range(max(n, 0)):
            if M == 2:
                u = d.rd(5); t = d.rd(3) + 2
                if t == u:
                    u = d.rd(5); t = d.rd(3) + 2
                mult = 10 * t + u; g = max(t, u)
            else:
                t = d.rd(3) + 2; mult = t; g = t
            k = d.rd(L - 1) + 2
            s = ""
            for i in range(k):
                while True:
                    dg = d.rd(10)
                    if not (dg * g > 9 or (i == 0 and dg == 0)):
                        break
                s += str(dg)
            w("%sX%d=\n" % (s, mult))
    elif kind == 304:
        D = num(p1); V = num(p2); n = num(count)
        if D < 0 or D >= 10 or V == -2 ** 31:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(p10(D) - 1) + 1
            b = d.rd(V - 1) + 2
            w("%dX%d=\n" % (a, b))
    elif kind == 305:
        D1 = num(p1); D2 = num(p2); n = num(count)
        if D1 >= 10 or D2 >= 10:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(p10(D1) - 10) + 10
            b = d.rd(p10(D2) - 10) + 10
            w("%dX%d=\n" % (a, b))
    elif kind == 308:
        D = num(p1); n = num(count)
        if D >= 10:
            raise Refused
        for _ in range(max(n, 0)):
            a = d.rd(p10(D))
            m = p10(d.rd(3) + 1)
            w("%dX%d=\n" % (a, m))
    elif kind == 401:
        B = num(p1); Q = num(p2); n = num(count)
        if B != 1 and Q != 1:
            dm = min(abs(B - 1), 10 ** 9) + 1
            qm = min(abs(Q - 1), 10 ** 9) + 1
            if dm * qm + (dm - 1 if check else 0) > 2 ** 31 - 1:
                raise Refused
        for _ in range(max(n, 0)):
            dv = d.rd(B - 1) + 2
            q = d.rd(Q - 1) + 2
            r = d.rd(dv) if check else 0
            w("%d\xf7%d=\n" % (dv * q + r, dv))
    elif kind == 402:
        N = num(p1); V = num(p2)
        if N == 0:
            raise Failure("Division by zero")
        s = abs(V) % abs(N) * (1 if V >= 0 else -1)
        if s == 0:
            s = 1
        n = num(count)
        if N == 1 or N >= 10 or s >= 10:
            raise Refused
        for _ in range(max(n, 0)):
            b = d.rd(p10(s) - 2) + 2
            qb = int(10.0 ** N / b)
            c = d.rd(qb)
            while c == 0:
                c = d.rd(qb)
            r = d.lrd(b) if check else 0
            w("%d\xf7%d=\n" % (b * c + r, b))
    elif kind == 501:
        D = num(p1); n = num(count)
        h = int(D / 2)
        for _ in range(max(n, 0)):
            cnt = d.rd(D - h) + h + 1
            s = ""
            for pos in range(1, cnt + 1):
                dg = zfd(d)
                if pos == 1 and dg == 0:
                    dg = 1
                s += str(dg)
            w(s + "\n")
    elif kind == 502:
        T = num(p1); F = num(p2); n = num(count)
        for _ in range(max(n, 0)):
            s = ""
            k = d.rd(T) + 1
            for pos in range(1, k + 1):
                dg = zfd(d)
                if pos == 1 and dg == 0:
                    dg = 1
                s += str(dg)
            s += ","
            m = d.rd(F) + 1
            for pos in range(1, m + 1):
                dg = zfd(d)
                if pos == m and dg == 0:
                    dg = 1
                s += str(dg)
            w(s + "\n")
    elif kind == 601:
        U = {"Metre": "m", "Litre": "l"}.get(p1, "g")
        whole = p2 == "Doğal Sayılı"
        n = num(count)
        pre = [None, "m", "c", "d", "", "da", "h", "k"]
        for _ in range(max(n, 0)):
            a = d.rd(7) + 1
            b = d.rd(7) + 1
            while b == a:
                b = d.rd(7) + 1
            frac = None
            if whole:
                if b < a:
                    x = d.rd(3); e = d.rd(3) + 2
                    amt = d.rd(p10(e))
                    if x == 0:
                        amt *= 10
                else:
                    if b - a > 3:
                        b = a + d.rd(3) + 1
                    e = d.rd(3) + 2
                    v = d.rd(p10(e))
                    amt = v * p10(d.rd(3) + (b - a))
            else:
                x = d.rd(3); e = d.rd(3) + 2
                amt = d.rd(p10(e))
                if x == 0:
                    amt *= 10
                if d.rd(2) != 0:
                    e2 = d.rd(2) + 1
                    frac = d.rd(p10(e2))
            a_s = "%d" % amt if frac is None else "%d,%d" % (amt, frac)
            w("%s %s%s=..........%s%s\n" % (a_s, pre[a], U, pre[b], U))
    elif kind == 602:
        lad = ["cm", "m", "km"] if p1 == "Metre" else ["g", "kg", "t"]
        n = num(count)
        for _ in range(max(n, 0)):
            a = d.rd(3) + 1
            while True:
                y = d.rd(2)
                b = a + 1 if y == 1 else a - 1
                if 1 <= b <= 3:
                    break
            if b < a:
                x = d.rd(3); e = d.rd(3) + 1
                amt = d.rd(p10(e)) if x != 0 else 10 * d.rd(p10(e) + 1)
            else:
                e = d.rd(3) + 1
                v = d.rd(p10(e) + 1)
                amt = v * p10(d.rd(2) + 3)
            w("%d %s=..........%s\n" % (amt, lad[a - 1], lad[b - 1]))
    elif kind == 603:
        n = num(count)
        table = {
            1: [("sa", "dk", 0), ("sa", "sn", 0), ("dk", "sn", 0)],
            2: [("sn", "dk", 60), ("sn", "sa", 3600), ("dk", "sa", 60)],
            3: [("yıl", "ay", 0), ("yıl", "gün", 0), ("ay", "gün", 0)],
            4: [("gün", "ay", 30), ("gün", "yıl", 365), ("ay", "yıl", 12)],
            5: [("ay", "gün", 0), ("ay", "sa", 0), ("gün", "sa", 0)],
            6: [("sa", "gün", 24), ("sa", "ay", 720), ("gün", "ay", 30)],
            7: [("gün", "sa", 0), ("gün", "dk", 0), ("sa", "dk", 0)],
            8: [("dk", "sa", 60), ("dk", "gün", 1440), ("sa", "gün", 24)],
        }
        for _ in range(max(n, 0)):
            g = d.rd(8) + 1
            p = d.rd(2)
            if p == 1:
                q = d.rd(2)
                pair = table[g][0 if q == 1 else 1]
            else:
                pair = table[g][2]
            amt = d.rd(20) + 2 if g % 2 == 1 else pair[2] * (d.rd(9) + 2)
            w("%d %s=.....%s" % (amt, pair[0], pair[1]))
            w("\n")
    return "".join(out).replace("\n", "\r\n").encode("cp1254")


KINDS = [101, 102, 103, 104, 105, 106, 201, 202, 203, 204, 205, 301, 302, 303, 304, 305,
         306, 307, 308, 401, 402, 403, 404, 501, 502, 601, 602, 603]
WORDS1 = ["Metre", "Litre", "Gram", "metre", "", "xyz"]
WORDS2 = ["Doğal Sayılı", "Ondalık Sayı", "", "doğal sayılı"]


def field_value(rng):
    roll = rng.random()
    if roll < 0.70:
        return str(rng.randint(1, 9))
    if roll < 0.85:
        return str(rng.randint(-12, 12))
    if roll < 0.90:
        return rng.choice(["", "x", " 3", "+4", "2147483647", "-2147483648", "99999999999"])
    return str(rng.randint(10, 15))


def main():
    cli = sys.argv[1]
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 600
    rng = random.Random(20081001)
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        target = os.path.join(folder, "Zarvik.txt")
        for i in range(rounds):
            kind = KINDS[i % len(KINDS)]
            t = rng.randint(0, 2 ** 33)
            count = str(rng.randint(0, 40)) if rng.random() < 0.95 else rng.choice(["", "-3", "a"])
            if kind in (601, 602):
                p1 = rng.choice(WORDS1)
                p2 = rng.choice(WORDS2)
            else:
                p1 = field_value(rng)
                p2 = field_value(rng)
            if kind == 501 and rng.random() < 0.8:
                p1 = str(rng.randint(1, 15))
            check = rng.random() < 0.5
            with open(target, "wb") as f:
                f.write(b"previous worksheet\r\n")
            args = [cli, "text", str(kind), "--count", count, "--p1", p1, "--p2", p2,
                    "--time", str(t), "-o", target] + (["--check"] if check else [])
            try:
                expected = gen(kind, count, p1, p2, check, Draw(t))
                outcome = ("ok", expected)
            except Failure as e:
                outcome = ("error", str(e))
            except Refused:
                outcome = ("refused", None)
            run = subprocess.run(args, capture_output=True, timeout=60)
            with open(target, "rb") as f:
                got = f.read()
            err = run.stderr.decode("utf-8", "replace").strip()
            if outcome[0] == "ok":
                good = run.returncode == 0 and got == outcome[1]
            elif outcome[0] == "error":
                # A Turkish sentence for the teacher, then the exact text on its own line.
                lines = err.split("\n")
                good = (run.returncode == 1 and len(lines) == 2 and lines[0] and
                        lines[1] == outcome[1] and got == b"previous worksheet\r\n")
            else:
                good = run.returncode == 1 and got == b"previous worksheet\r\n" and err
            if not good:
                failures += 1
                print("MISMATCH", " ".join(repr(a) for a in args[1:]), outcome[0],
                      "rc=%d" % run.returncode, err[:200])
                if outcome[0] == "ok":
                    print("  expected", outcome[1][:200])
                    print("  got     ", got[:200])
                if failures > 10:
                    break
    print("%d cases, %d mismatches" % (rounds, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
