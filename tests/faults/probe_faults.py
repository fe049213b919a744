#!/usr/bin/env python3
"""zarvik-cli under hostile conditions: ending signals, resource limits
(file size, memory, descriptors), a platform it cannot load, closed streams,
per-sheet sets racing into one folder, runs too big to finish, slow class
lists, corrupt lists and hostile option values. No run may end by a signal of
its own, hang, lie about success, leave a temporary file or change the old
output; every refusal is in Turkish.

Usage: probe_faults.py ZARVIK_CLI"""
import os
import resource
import signal
import subprocess
import sys
import tempfile
import threading
import time

cli = os.path.abspath(sys.argv[1])
ENV = dict(os.environ, QT_QPA_PLATFORM='offscreen')
ASAN = 'libasan' in subprocess.run(['ldd', cli], capture_output=True, text=True).stdout
failures = []

TEXT = ['text', '402', '--count', '20', '--p1', '3', '--p2', '1', '--time', '1']
LONG_TEXT = ['text', '501', '--count', '1000000', '--p1', '60', '--sheets', '5', '--time', '1']
COLUMN = ['column', '--page', 'a4', '--op', 'Toplama', '--prop', 'Eldesiz Toplama', '--time', '1']
FRACTION = ['fraction', '--op', 'Toplama', '--type', 'Basit Kesir', '--denominators',
            'Paydaları Eşit', '--time', '1']
CLOCKS = ['activity', '--kind', 'Saat Çizme', '--time', '1']


def limited(kind, value):
    return lambda: resource.setrlimit(kind, (value, value))


def run(args, cwd=None, timeout=60, env=ENV, **kw):
    start = time.monotonic()
    try:
        result = subprocess.run([cli] + args, cwd=cwd, env=env, capture_output=True,
                                timeout=timeout, **kw)
    except subprocess.TimeoutExpired as e:
        result = subprocess.CompletedProcess(e.cmd, 'killed after a timeout', b'',
                                             e.stderr or b'')
    result.seconds = time.monotonic() - start
    result.err = result.stderr.decode('utf-8', 'replace')
    return result


def check(name, ok, detail=''):
    if not ok:
        failures.append(name)
        print(f'FAIL {name} {str(detail)[:600]}')


def leftovers(folder):
    return [f for f in os.listdir(folder) if f.startswith('.zarvik-')]


def refused(name, result, status, *words):
    check(f'{name}: status {status}', result.returncode == status,
          f'{result.returncode}: {result.err}')
    for word in words:
        check(f'{name}: says "{word}"', word in result.err, result.err)


def kept(name, folder, path, before):
    check(f'{name}: old file kept', open(path, 'rb').read() == before)
    check(f'{name}: no temporary file', not leftovers(folder), leftovers(folder))


def signals(work):
    """Every catchable ending signal, and a second Ctrl-C at once."""
    out = os.path.join(work, 'out.txt')
    with open(out, 'wb') as f:
        f.write(b'old\r\n')
    cases = [[s] for s in (signal.SIGQUIT, signal.SIGUSR1, signal.SIGUSR2, signal.SIGALRM,
                           signal.SIGPIPE, signal.SIGXCPU, signal.SIGXFSZ, signal.SIGVTALRM,
                           signal.SIGPROF)]
    cases += [[signal.SIGINT, signal.SIGINT]] * 4
    for sigs in cases:
        process = subprocess.Popen([cli] + LONG_TEXT + ['-o', 'out.txt'], cwd=work, env=ENV,
                                   stderr=subprocess.DEVNULL)
        time.sleep(0.3)
        for s in sigs:
            process.send_signal(s)
            time.sleep(0.01)
        try:
            process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        name = '+'.join(signal.Signals(s).name for s in sigs)
        check(f'{name}: ended by the signal', process.returncode == -sigs[0], process.returncode)
        kept(name, work, out, b'old\r\n')


def file_size_limit(work):
    """ulimit -f 8: every output reports the limit, keeps the old file."""
    for args, output in ((TEXT + ['--count', '5000'], 'a.txt'), (COLUMN, 'a.pdf'),
                         (COLUMN, 'a.png'), (TEXT + ['--count', '5000', '--json'], 'a.txt')):
        path = os.path.join(work, output)
        with open(path, 'wb') as f:
            f.write(b'old')
        result = run(args + ['-o', output], cwd=work,
                     preexec_fn=limited(resource.RLIMIT_FSIZE, 8 * 1024))
        refused(f'ulimit -f, {output}', result, 1, 'dosya boyutu sınırı')
        kept(f'ulimit -f, {output}', work, path, b'old')


def memory_limits(work):
    """Too little memory is reported or survived; never an abort, never a hang."""
    if ASAN:
        return  # AddressSanitizer reserves more address space than any such limit
    cases = [(TEXT + ['--count', '20000'], 'a.pdf'),
             (TEXT + ['--count', '20000', '--answer-key'], 'a.pdf'),
             (COLUMN + ['--sheets', '50', '--answer-key'], 'a.pdf'),
             (CLOCKS + ['--sheets', '50', '--answer-key'], 'a.pdf'),
             (FRACTION, 'a.png')]
    for megabytes in (96, 160, 256):
        for args, output in cases:
            path = os.path.join(work, output)
            with open(path, 'wb') as f:
                f.write(b'old')
            name = f'ulimit -v {megabytes}M, {args[0]} {output}'
            result = run(args + ['-o', output], cwd=work, timeout=60,
                         preexec_fn=limited(resource.RLIMIT_AS, megabytes << 20))
            check(f'{name}: 0 or 1', result.returncode in (0, 1), f'{result.returncode} {result.err}')
            if result.returncode == 1:
                check(f'{name}: Turkish', 'bellek yetmedi' in result.err, result.err)
                kept(name, work, path, b'old')


def descriptors(work):
    result = run(COLUMN + ['-o', 'a.pdf'], cwd=work, preexec_fn=limited(resource.RLIMIT_NOFILE, 6))
    refused('ulimit -n 6', result, 1, 'dosya sayısı')
    check('ulimit -n 6: no file', not os.path.exists(os.path.join(work, 'a.pdf')))


def platforms(work):
    for platform in ('xcb', 'wayland', 'nonsense'):
        env = dict(ENV, QT_QPA_PLATFORM=platform)
        env.pop('DISPLAY', None)
        env.pop('WAYLAND_DISPLAY', None)
        for args in (COLUMN + ['-o', 'a.pdf'], FRACTION + ['--json']):
            result = run(args, cwd=work, env=env)
            check(f'QT_QPA_PLATFORM={platform} {args[0]}: runs', result.returncode == 0
                  and not result.err, result.err)


def closed_streams(work):
    result = subprocess.run([cli] + TEXT + ['-o', '/dev/stdout'], stdout=subprocess.DEVNULL,
                            capture_output=False, stderr=subprocess.PIPE, env=ENV, cwd=work,
                            preexec_fn=lambda: os.close(1))
    check('-o /dev/stdout, closed: fails', result.returncode == 1, result.returncode)
    result = subprocess.run(f'exec "{cli}" text 402 --count 5 --p1 3 --p2 1 -o - >&-',
                            shell=True, capture_output=True, env=ENV, cwd=work)
    err = result.stderr.decode()
    check('-o -, closed: said in Turkish', result.returncode == 1 and 'kapalı' in err
          and 'sistem hatası' not in err, err)


def folder_sets(work):
    # A refused set makes no folder.
    result = run(['text', '402', '--count', 'x', '--p1', '3', '--p2', '1', '--sheets', '3',
                  '-o', 'newset/'], cwd=work)
    check('failed set: no folder', result.returncode != 0
          and not os.path.exists(os.path.join(work, 'newset')), result.err)

    # Sheets of another set stay only if nothing of the new one is written.
    old = os.path.join(work, 'old')
    os.mkdir(old)
    for k in range(1, 13):
        with open(os.path.join(old, f'Zarvik-{k:02}.txt'), 'wb') as f:
            f.write(b'old')
    result = run(TEXT + ['--sheets', '3', '--answer-key', '-o', 'old/'], cwd=work)
    files = sorted(os.listdir(old))
    whole = files == sorted([f'Zarvik-{k:02}.txt' for k in range(1, 4)] + ['Cevap-Anahtari.txt'])
    untouched = all(open(os.path.join(old, f), 'rb').read() == b'old' for f in files) \
        and len(files) == 12
    check('set over a bigger set: whole or refused', (result.returncode == 0 and whole) or
          (result.returncode == 1 and untouched and 'Zarvik-04.txt' in result.err),
          f'{result.returncode} {files} {result.err}')

    # Two runs on one folder: the folder ends as exactly one of them.
    solo = {}
    for seed in ('1', '2'):
        run(TEXT + ['--time', seed, '--sheets', '300', '-o', f'solo{seed}/'], cwd=work)
        solo[seed] = {f: open(os.path.join(work, f'solo{seed}', f), 'rb').read()
                      for f in os.listdir(os.path.join(work, f'solo{seed}'))}
    for round_ in range(4):
        target = f'race{round_}/'
        runs = [subprocess.Popen([cli] + TEXT + ['--time', seed, '--sheets', '300', '-o', target],
                                 cwd=work, env=ENV, stderr=subprocess.DEVNULL)
                for seed in ('1', '2')]
        codes = [p.wait(timeout=60) for p in runs]
        folder = os.path.join(work, target)
        now = {f: open(os.path.join(folder, f), 'rb').read() for f in os.listdir(folder)}
        check(f'race {round_}: one set, not a mix', now in (solo['1'], solo['2'])
              and 0 in codes, f'{codes} {len(now)} files')


def unbounded(work):
    result = run(['text', '101', '--count', '1000000', '--p1', '9', '--sheets', '100000',
                  '-o', 'a.txt'], cwd=work, timeout=30)
    refused('both maxima together', result, 2, '10000000')
    check('both maxima: refused at once', result.seconds < 10, result.seconds)
    check('both maxima: no file', not os.listdir(work), os.listdir(work))
    names = os.path.join(work, 'names.txt')
    with open(names, 'w') as f:
        f.writelines(f'A{i}\n' for i in range(100001))
    result = run(COLUMN + ['--names', names, '-o', 'a.pdf'], cwd=work, timeout=30)
    refused('100,001 names', result, 2, '100000')
    result = run(CLOCKS + ['--sheets', '10001', '--answer-key', '-o', 'a.pdf'], cwd=work)
    refused('10,001 painted sheets', result, 2, '10000')

    # Drawn keys wait on disk: memory does not grow with the set.
    def peak(sheets):
        process = subprocess.Popen([cli] + CLOCKS + ['--sheets', str(sheets), '--answer-key',
                                                     '-o', 'clocks.pdf'],
                                   cwd=work, env=ENV, stderr=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = status
        check(f'clock set of {sheets}: done', status == 0, status)
        return usage.ru_maxrss // 1024
    small, large = peak(50), peak(1000)
    check('clock set with key: memory flat', large - small < 16, f'{small} MB, {large} MB')


def slow_list(work):
    fifo = os.path.join(work, 'liste')
    os.mkfifo(fifo)

    def drip():
        with open(fifo, 'wb', buffering=0) as f:
            try:
                for _ in range(60):
                    f.write(b'A')
                    time.sleep(1)
            except BrokenPipeError:
                pass
    threading.Thread(target=drip, daemon=True).start()
    result = run(COLUMN + ['--names', fifo, '--json'], timeout=60)
    refused('dripping class list', result, 1, 'Sınıf listesi')
    check('dripping class list: given up', result.seconds < 20, result.seconds)


def class_lists(work):
    lists = {'odd length': b'\xff\xfe' + 'Ali\nVeli\n'.encode('utf-16-le') + b'A',
             'lone surrogate': b'\xff\xfe' + 'Ali\n'.encode('utf-16-le') + b'\x00\xd8A\x00\n\x00'}
    for name, data in lists.items():
        path = os.path.join(work, name.replace(' ', '-'))
        with open(path, 'wb') as f:
            f.write(data)
        refused(f'UTF-16 list, {name}', run(COLUMN + ['--names', path, '--json']), 1,
                'dosya bozuk', '. satır')

    path = os.path.join(work, 'liste.txt')
    with open(path, 'wb') as f:
        f.write(b'Ali Veli\n')
    refused('output over the class list', run(TEXT + ['--names', path, '-o', path]), 2,
            'sınıf listesi')
    check('output over the class list: list kept', open(path, 'rb').read() == b'Ali Veli\n')


def values():
    hostile = '\x1b]0;x\x07\x1b[2J' + 'y' * 100000
    for option in ('--op', '--prop'):
        args = list(COLUMN)
        args[args.index(option) + 1] = hostile
        result = run(args)
        check(f'hostile {option}: short', 0 < len(result.stderr) < 1000, len(result.stderr))
        check(f'hostile {option}: no escape reaches the terminal', b'\x1b' not in result.stderr
              and b'\x07' not in result.stderr)
    for option, value in (('--time', ' 5'), ('--time', '5 '), ('--sheets', ' 3')):
        refused(f'{option} "{value}"', run(TEXT + [option, value]), 2, option)


def english():
    result = subprocess.run([cli], capture_output=True, env=ENV)
    check('no command: Turkish', result.returncode == 2 and b'Kullan' in result.stderr,
          result.stderr[:300])
    result = run(TEXT + ['--sheets', '2', '-o', 'x.png'])
    refused('pages into a PNG', result, 2, 'PNG dosyasına tek sayfa')


def main():
    with tempfile.TemporaryDirectory() as work:
        for case in (signals, file_size_limit, memory_limits, descriptors, platforms,
                     closed_streams, folder_sets, unbounded, slow_list, class_lists):
            folder = os.path.join(work, case.__name__)
            os.mkdir(folder)
            started = time.monotonic()
            case(folder)
            print(f'{case.__name__}: {time.monotonic() - started:.1f} s')
    values()
    english()
    if failures:
        print(f'{len(failures)} probe checks failed')
        return 1
    print('all probe checks passed')
    return 0


if __name__ == '__main__':
    sys.exit(main())
