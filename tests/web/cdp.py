"""Debian's Chromium, headless, driven over the DevTools protocol: a fresh profile, one page,
commands and the events they bring, the page's console, screenshots and input."""
import base64
import json
import os
import shutil
import subprocess
import tempfile
import time
import urllib.request

import websocket


class Failure(Exception):
    pass


def wait_until(what, condition, seconds=20.0, step=0.05):
    """condition() until it gives something true; that is returned, or Failure after seconds."""
    end = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"{what}: not within {seconds:g} s")
        time.sleep(step)


class Chromium:
    def __init__(self, binary="/usr/bin/chromium"):
        self.profile = tempfile.mkdtemp(prefix="rekenrups-chromium-")
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-default-apps", "--disable-extensions", "--hide-scrollbars", "--mute-audio",
             f"--user-data-dir={self.profile}", "--remote-debugging-address=127.0.0.1",
             "--remote-debugging-port=0", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        wait_until("Chromium's DevTools port", lambda: os.path.exists(port_file) and open(port_file).read().count("\n") >= 1,
                   30)
        self.port = int(open(port_file).read().split("\n")[0])

    def new_page(self):
        request = urllib.request.Request(f"http://127.0.0.1:{self.port}/json/new?about:blank", method="PUT")
        target = json.load(urllib.request.urlopen(request, timeout=10))
        return Page(target["webSocketDebuggerUrl"])

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


class Page:
    def __init__(self, url):
        self.ws = websocket.create_connection(url, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.console = []

    def _take(self, message):
        method = message.get("method")
        if method == "Runtime.consoleAPICalled":
            text = " ".join(str(arg.get("value", arg.get("description", ""))) for arg in message["params"]["args"])
            self.console.append(f"console.{message['params']['type']}: {text}")
        elif method == "Runtime.exceptionThrown":
            details = message["params"]["exceptionDetails"]
            self.console.append(f"exception: {details.get('exception', {}).get('description', details.get('text'))}")
        elif method == "Log.entryAdded":
            entry = message["params"]["entry"]
            self.console.append(f"log.{entry['level']}: {entry.get('text')} {entry.get('url', '')}".strip())
        else:
            self.events.append(message)

    def send(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.ws.send(json.dumps({"id": ident, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == ident:
                if "error" in message:
                    raise Failure(f"{method}: {message['error']}")
                return message.get("result", {})
            self._take(message)

    def pump(self):
        """Takes the events that have arrived."""
        self.ws.settimeout(0.01)
        try:
            while True:
                self._take(json.loads(self.ws.recv()))
        except (websocket.WebSocketTimeoutException, TimeoutError):
            pass
        finally:
            self.ws.settimeout(60)

    def js(self, expression, await_promise=False):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True, awaitPromise=await_promise)
        if "exceptionDetails" in result:
            raise Failure(f"{expression[:80]}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def screenshot(self, path):
        data = self.send("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))

    # ---- input, in CSS pixels of the page
    def key(self, key, code=None, vk=None, text=None):
        code = code or key
        params = {"key": key, "code": code}
        if vk:
            params["windowsVirtualKeyCode"] = vk
            params["nativeVirtualKeyCode"] = vk
        if text:
            self.send("Input.dispatchKeyEvent", type="keyDown", text=text, **params)
        else:
            self.send("Input.dispatchKeyEvent", type="rawKeyDown", **params)
        self.send("Input.dispatchKeyEvent", type="keyUp", **params)

    def enter(self):
        self.key("Enter", "Enter", 13, "\r")

    def tab(self):
        self.key("Tab", "Tab", 9)

    def type(self, text):
        for char in text:
            self.key(char, f"Digit{char}" if char.isdigit() else None, ord(char.upper()), char)

    def click(self, x, y):
        self.send("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        self.send("Input.dispatchMouseEvent", type="mousePressed", x=x, y=y, button="left", buttons=1, clickCount=1)
        self.send("Input.dispatchMouseEvent", type="mouseReleased", x=x, y=y, button="left", buttons=0, clickCount=1)

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        time.sleep(0.05)
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
