"""Page-open to the first frame, in headless Chromium at 1024 x 768, of the browser build against
a bare Qt window built with the same Qt for the browser; each run in a new page, without the
browser's cache or the service worker, the two taking turns. For bench/run; asserts nothing.

python3 tests/web/firstframe.py SITE BARE_SITE RUNS    prints "site MS" and "bare MS" (medians)
"""
import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from cdp import Chromium  # noqa: E402
from road import Road, Server  # noqa: E402


def main():
    site, bare, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
    chromium = Chromium()
    servers = {"site": Server(site), "bare": Server(bare)}
    times = {name: [] for name in servers}
    try:
        for _ in range(runs):
            for name, server in servers.items():
                road = Road(chromium, server, "/tmp")
                road.page.send("Network.enable")
                road.page.send("Network.setCacheDisabled", cacheDisabled=True)
                road.page.send("Network.setBypassServiceWorker", bypass=True)
                times[name].append(road.open())
                road.page.send("Page.close")
    finally:
        chromium.close()
        for server in servers.values():
            server.stop()
    for name, values in times.items():
        print(f"{name} {statistics.median(values):.1f}")


if __name__ == "__main__":
    main()
