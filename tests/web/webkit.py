"""The browser build in WebKitGTK (Safari's engine family), through its WebDriver: the page opens,
the intro shows in the maximised main window, and Enter brings the chooser.

python3 tests/web/webkit.py SITE OUT    (needs an X display: scripts/web/ci.sh gives it Xvfb)
"""
import os
import sys
import time

from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from road import PAGE_HELPERS, Server  # noqa: E402
from cdp import Failure, wait_until  # noqa: E402


def main():
    site, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    server = Server(site)
    options = webdriver.WebKitGTKOptions()
    options.binary_location = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
    options.add_argument("--automation")
    driver = webdriver.WebKitGTK(options=options)
    try:
        driver.set_window_size(1024, 768)
        driver.get(server.url)
        print("webkit: the page is open", flush=True)
        js = driver.execute_script
        wait_until("the program in WebKitGTK", lambda: js("return !!document.getElementById('qt-shadow-container')"), 60)
        js(PAGE_HELPERS)

        def windows():
            return js("return __road.windows()")

        wait_until("the maximised main window", lambda: any("maximized" in w["classes"] for w in windows()), 60)
        time.sleep(1)
        driver.save_screenshot(os.path.join(out, "webkit-intro.png"))
        # The keys go to the window that has the focus, as a click gives it.
        main_window = [w for w in windows() if "maximized" in w["classes"]][0]
        body = driver.find_element("tag name", "body")
        ActionChains(driver).move_to_element_with_offset(body, int(main_window["left"] + 5) - body.size["width"] // 2,
                                                         int(main_window["top"] + main_window["height"] - 5) - body.size["height"] // 2).perform()
        ActionChains(driver).send_keys(Keys.ENTER).perform()
        chooser = wait_until("the chooser after Enter", lambda: [w for w in windows() if "maximized" not in w["classes"]
                                                                 and w["title"] == "rekenrups"], 20)[0]
        time.sleep(0.5)
        driver.save_screenshot(os.path.join(out, "webkit-chooser.png"))
        print(f"PASS webkit: the chooser at {chooser['left']},{chooser['top']} ({chooser['width']}x{chooser['height']})")
    except Failure as error:
        driver.save_screenshot(os.path.join(out, "webkit-failed.png"))
        print(f"FAIL webkit: {error}")
        sys.exit(1)
    finally:
        driver.quit()
        server.stop()


if __name__ == "__main__":
    main()
