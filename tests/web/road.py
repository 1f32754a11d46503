"""The browser build in headless Chromium, over the DevTools protocol: each check is a test of its
own, and any failure fails the run.

python3 tests/web/road.py SITE OUT [CHECK...]

SITE is build-web/, served here on 127.0.0.1 only; OUT receives the screenshots and times.json.
Without CHECK names every check runs. The program's controls are found through the accessibility
tree that Qt's browser platform builds (its elements carry the widgets' object names and lie over
them), and pressed with real mouse, key and touch events at their places.
"""
import json
import os
import re
import subprocess
import sys
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium, Failure, wait_until  # noqa: E402

here = os.path.dirname(os.path.abspath(__file__))
serve_py = os.path.join(here, "..", "..", "scripts", "web", "serve.py")

# What the page learns about Qt's windows and the accessibility elements over the controls.
PAGE_HELPERS = r"""
window.__road = {
  root() { const host = document.getElementById('qt-shadow-container'); return host && host.shadowRoot; },
  windows() {
    const root = this.root();
    if (!root) return [];
    return [...root.querySelectorAll('.qt-window')].filter(w => getComputedStyle(w).display !== 'none').map(w => {
      const r = w.getBoundingClientRect();
      const name = w.querySelector(':scope > .title-bar .window-name');
      const buttons = [...w.querySelectorAll(':scope > .title-bar .action-button')]
        .filter(b => getComputedStyle(b).display !== 'none').length;
      return { id: w.id, classes: w.className, title: name ? name.textContent : '',
               titleShown: !!name && getComputedStyle(name).display !== 'none',
               titleFont: name ? getComputedStyle(name).fontFamily : '', buttons,
               left: r.left, top: r.top, width: r.width, height: r.height };
    });
  },
  control(name) {
    const root = this.root();
    if (!root) return null;
    const found = [...root.querySelectorAll('[id]')].filter(e => e.id === name || e.id.endsWith('.' + name));
    for (const e of found) {
      const r = e.getBoundingClientRect();
      if (r.width > 0 && r.height > 0 && String(e.ariaHidden) !== 'true')
        return { id: e.id, tag: e.tagName, text: e.innerText || e.textContent || '', name: e.getAttribute('name') || '',
                 x: r.left + r.width / 2, y: r.top + r.height / 2, width: r.width, height: r.height };
    }
    return null;
  },
  texts() {
    const root = this.root();
    if (!root) return '';
    return [...root.querySelectorAll('.qt-window-a11y-container *')]
      .filter(e => String(e.ariaHidden) !== 'true')
      .map(e => (e.getAttribute('name') || '') + ' ' + (e.textContent || '')).join('\n');
  },
  screenReader() {
    const root = this.root();
    const button = root && [...root.querySelectorAll('button')].find(b => b.dataset.rekenrupsScreenReader);
    if (!button) return false;
    button.click();
    return true;
  },
};
"""

# Filled in as soon as the page starts: the first frame the program paints in a window.
FIRST_FRAME = r"""
(function () {
  function look() {
    const host = document.getElementById('qt-shadow-container');
    const canvas = host && host.shadowRoot && [...host.shadowRoot.querySelectorAll('.qt-window canvas')]
      .find(c => c.width > 100 && c.height > 100 && c.closest('.qt-window').style.display !== 'none');
    if (canvas) {
      const context = canvas.getContext('2d');
      const data = context.getImageData(0, 0, canvas.width, canvas.height).data;
      for (let i = 4; i < data.length; i += 4 * 97)
        if (data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2]) {
          window.__firstFrame = performance.now();
          return;
        }
    }
    requestAnimationFrame(look);
  }
  requestAnimationFrame(look);
})();
"""


class Server:
    def __init__(self, site):
        self.site = site
        self.port = 0
        self.start()

    def start(self):
        self.process = subprocess.Popen([sys.executable, serve_py, self.site, str(self.port), "--quiet"],
                                        stdout=subprocess.PIPE, text=True)
        address = self.process.stdout.readline().strip()
        self.port = int(address.rsplit(":", 1)[1].strip("/"))
        self.url = address

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class Road:
    def __init__(self, chromium, server, out, width=1024, height=768, ratio=1, touch=False, prefix=""):
        self.page = chromium.new_page()
        self.server = server
        self.out = out
        self.width, self.height, self.ratio = width, height, ratio
        self.prefix = prefix
        self.problems = []
        page = self.page
        page.send("Page.enable")
        page.send("Runtime.enable")
        page.send("Log.enable")
        page.send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=ratio,
                  mobile=touch)
        if touch:
            page.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
            page.send("Emulation.setEmitTouchEventsForMouse", enabled=True, configuration="mobile")
        page.send("Page.addScriptToEvaluateOnNewDocument", source=PAGE_HELPERS + FIRST_FRAME)

    def open(self):
        self.page.send("Page.navigate", url=self.server.url)
        return wait_until("the intro's first frame", lambda: self.page.js("window.__firstFrame"), 30)

    def shot(self, name):
        self.page.screenshot(os.path.join(self.out, f"{self.prefix}{name}.png"))

    def windows(self):
        return self.page.js("__road.windows()")

    def window(self, title_part, seconds=10):
        def find():
            for w in self.windows():
                if title_part in w["title"]:
                    return w
            return None
        return wait_until(f"a window '{title_part}' (shown: {[w['title'] for w in self.windows()]})", find, seconds)

    def control(self, name, seconds=10):
        return wait_until(f"the control {name}", lambda: self.page.js(f"__road.control({json.dumps(name)})"), seconds)

    def gone(self, name, seconds=10):
        wait_until(f"{name} gone", lambda: not self.page.js(f"__road.control({json.dumps(name)})"), seconds)

    def screen_reader(self):
        wait_until("Qt's screen reader button", lambda: self.page.js("__road.screenReader()"), 10)

    def pixel(self, x, y):
        """The colour at a page point, from a screenshot."""
        import base64
        import struct
        import zlib
        data = self.page.send("Page.captureScreenshot", format="png",
                              clip={"x": x, "y": y, "width": 1, "height": 1, "scale": 1})["data"]
        png = base64.b64decode(data)
        # one pixel: the IDAT holds a filter byte and the colour
        chunks, at = b"", 8
        while at < len(png):
            length, kind = struct.unpack(">I4s", png[at:at + 8])
            if kind == b"IDAT":
                chunks += png[at + 8:at + 8 + length]
            at += 12 + length
        raw = zlib.decompress(chunks)
        return tuple(raw[1:4])

    def console(self):
        self.page.pump()
        return list(self.page.console)


def centred(road, w, what):
    """A window that fits lies centred in the page (to a pixel), its top-left corner always on it;
    noted, and the road goes on."""
    if w["left"] < 0 or w["top"] < 0:
        road.problems.append(f"{what}: top-left corner at {w['left']},{w['top']}, off the page")
    elif w["width"] <= road.width and w["height"] <= road.height:
        want_left, want_top = (road.width - w["width"]) / 2, (road.height - w["height"]) / 2
        if abs(w["left"] - want_left) > 1.5 or abs(w["top"] - want_top) > 1.5:
            road.problems.append(f"{what}: at {w['left']},{w['top']} ({w['width']}x{w['height']}), centred is "
                                 f"{want_left},{want_top}")


def division(road):
    """The division on the exercise screen, from its spoken labels: (dividend, divisor)."""
    dividend = re.search(r"\d+", road.control("lbldeeltal")["text"])
    divisor = re.search(r"\d+", road.control("lbldeler")["text"])
    if not dividend or not divisor:
        raise Failure("the exercise screen names no division")
    return int(dividend.group()), int(divisor.group())


def press(road, name, how):
    c = road.control(name)
    if how == "touch":
        road.page.tap(c["x"], c["y"])
    else:
        road.page.click(c["x"], c["y"])
    return c


def the_road(road, how, times=None):
    """intro, chooser, the first level, a right and a wrong answer, stop, the total, the chooser's
    stop, the information screen and the end page; by keyboard, by mouse or by touch."""
    page = road.page
    first = road.open()
    if times is not None:
        times["first_frame_ms"] = round(first)
    time.sleep(0.5)
    road.shot("intro")
    intro = road.windows()
    if not intro or not any(w["width"] >= road.width - 2 and "maximized" in w["classes"] for w in intro):
        raise Failure(f"the main window does not fill the page maximised: {intro}")
    road.screen_reader()
    if how == "keys":
        road.control("cmdkombinnen")
        page.enter()
    else:
        press(road, "cmdkombinnen", how)
    chooser = road.window("rekenrups")
    time.sleep(0.3)
    chooser = road.window("rekenrups")
    centred(road, chooser, "the chooser")
    if chooser["buttons"] < 1:
        raise Failure("the chooser's caption has no title-bar buttons")
    road.shot("chooser")
    press(road, "cmd100", "mouse" if how == "keys" else how)
    time.sleep(0.3)
    screen = [w for w in road.windows() if w["id"] != chooser["id"] and w["title"] == "rekenrups"]
    if not screen:
        raise Failure(f"no exercise screen after the first level: {road.windows()}")
    screen = screen[0]
    centred(road, screen, "the exercise screen")
    if screen["buttons"] != 0:
        raise Failure(f"the exercise screen has {screen['buttons']} title-bar buttons")
    if not screen["titleShown"]:
        raise Failure("the exercise screen shows no caption")
    road.shot("exercise")

    def verdict_colour():
        return road.pixel(screen["left"] + 12, screen["top"] + screen["height"] - 12)

    def answer(quotient, rest):
        press(road, "cmdstart", how)
        dividend, divisor = division(road)
        if quotient is None:
            quotient, rest = dividend // divisor, dividend % divisor
        box = press(road, "txtquotient", how)
        page.type(str(quotient))
        press(road, "txtrest", how)
        page.type(str(rest))
        if how == "touch" and box["tag"] != "INPUT":
            raise Failure(f"the quotient box is no text input for the on-screen keyboard: {box}")
        press(road, "cmdjuist", how)
        time.sleep(0.5)
        return dividend, divisor

    neutral = verdict_colour()
    dividend, divisor = answer(None, None)
    right = verdict_colour()
    road.shot("right")
    if not (right[1] > 150 and right[0] < 100 and right[2] < 100):
        raise Failure(f"a right answer to {dividend}:{divisor} gives {right}, not green (before: {neutral})")
    dividend, divisor = answer(dividend // divisor + 1, 0)
    wrong = verdict_colour()
    road.shot("wrong")
    if not (wrong[0] > 150 and wrong[1] < 100 and wrong[2] < 100):
        raise Failure(f"a wrong answer gives {wrong}, not red")
    press(road, "cmdstop", how)
    time.sleep(0.3)
    total = road.control("lblgemaakt")
    texts = page.js("__road.texts()")
    if "1" not in total["text"]:
        raise Failure(f"the chooser's total is not 1: {total}")
    road.shot("total")
    press(road, "cmdeinde", how)
    time.sleep(0.3)
    road.shot("information")
    wait_until("the end page", lambda: page.js("!document.getElementById('ended').hidden"), 60)
    road.shot("end")
    if road.problems:
        raise Failure("; ".join(road.problems))
    return texts


def check_console(road):
    # The first-frame probe reads the canvas back, which Chromium advises against once.
    messages = [m for m in road.console() if "willReadFrequently" not in m]
    if messages:
        raise Failure("the console is not empty:\n  " + "\n  ".join(messages))


def main():
    site, out = sys.argv[1], sys.argv[2]
    wanted = set(sys.argv[3:])
    os.makedirs(out, exist_ok=True)
    server = Server(site)
    chromium = Chromium()
    times = {}
    failures = []

    def check(name, function):
        if wanted and name not in wanted:
            return
        started = time.monotonic()
        try:
            function()
            print(f"PASS {name} ({time.monotonic() - started:.1f} s)", flush=True)
        except Exception as error:  # every check reports, and the run goes on to the next
            failures.append(name)
            print(f"FAIL {name}: {error}", flush=True)
            if not isinstance(error, Failure):
                traceback.print_exc()

    def keys():
        road = Road(chromium, server, out, prefix="keys-")
        the_road(road, "keys", times)
        check_console(road)

    def mouse():
        road = Road(chromium, server, out, prefix="mouse-")
        the_road(road, "mouse")
        check_console(road)

    def touch():
        road = Road(chromium, server, out, touch=True, prefix="touch-")
        the_road(road, "touch")
        check_console(road)

    def ipad():
        road = Road(chromium, server, out, 1180, 820, 2, touch=True, prefix="ipad-")
        the_road(road, "touch")
        check_console(road)

    def offline():
        # The first visit keeps the site; without the server the page starts again, to the chooser.
        road = Road(chromium, server, out, prefix="offline-")
        road.open()
        wait_until("the service worker in control",
                   lambda: road.page.js("navigator.serviceWorker.ready.then(() => !!navigator.serviceWorker.controller)",
                                        await_promise=True), 30)
        server.stop()
        try:
            road.page.send("Page.reload", ignoreCache=True)
            time.sleep(0.2)
            wait_until("the intro without the server", lambda: road.page.js("window.__firstFrame"), 30)
            road.screen_reader()
            road.control("cmdkombinnen")
            road.page.enter()
            road.window("rekenrups")
            road.shot("chooser")
        finally:
            server.start()
        messages = [m for m in road.console() if "net::ERR" not in m and "willReadFrequently" not in m]
        if messages:
            raise Failure("the console is not empty:\n  " + "\n  ".join(messages))

    def accessible():
        # What a screen reader finds, in Dutch: the levels, the total, the division, the verdict, help.
        road = Road(chromium, server, out, prefix="a11y-")
        road.open()
        road.screen_reader()
        road.control("cmdkombinnen")
        road.page.enter()
        road.window("rekenrups")
        road.control("cmd100")
        tree = road.page.js("__road.texts()")
        level_names = [line for line in tree.split("\n") if line.strip()]
        if len(level_names) < 8:
            raise Failure(f"the chooser's tree names too little: {level_names}")
        if "Enable Screen Reader" in road.page.js("document.getElementById('qt-shadow-container').shadowRoot.innerHTML"):
            raise Failure("Qt's screen reader button speaks English")
        press(road, "cmd100", "mouse")
        press(road, "cmdstart", "mouse")
        dividend, divisor = division(road)
        press(road, "cmdcontrole1", "mouse")
        time.sleep(0.3)
        press(road, "txtquotient", "mouse")
        road.page.type(str(dividend // divisor))
        press(road, "txtrest", "mouse")
        road.page.type(str(dividend % divisor))
        press(road, "cmdjuist", "mouse")
        time.sleep(0.5)
        tree = road.page.js("__road.texts()")
        for spoken, why in (("deeltal", "the dividend"), ("deler", "the divisor"), ("uitkomst", "the verdict"),
                            ("hulp", "the help")):
            if spoken not in tree:
                raise Failure(f"the exercise screen's tree does not name {why} ('{spoken}'): {tree}")

    check("road-keys", keys)
    check("road-mouse", mouse)
    check("road-touch", touch)
    check("road-ipad", ipad)
    check("offline", offline)
    check("accessible", accessible)

    with open(os.path.join(out, "times.json"), "w") as f:
        json.dump(times, f)
    chromium.close()
    server.stop()
    if failures:
        print(f"FAILED: {' '.join(failures)}")
        sys.exit(1)


if __name__ == "__main__":
    main()
