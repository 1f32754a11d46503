"""Serves a folder on 127.0.0.1 only, as a plain web server would serve the browser build.

python3 scripts/web/serve.py FOLDER PORT [--quiet]; PORT 0 takes a free one. The first line
on standard output is the address. The types are set here, not taken from this machine's
mime.types: a browser compiles a .wasm while it arrives only when it comes as application/wasm.
"""
import functools
import http.server
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {
        **http.server.SimpleHTTPRequestHandler.extensions_map,
        ".wasm": "application/wasm",
        ".js": "text/javascript",
        ".html": "text/html; charset=utf-8",
        ".webmanifest": "application/manifest+json",
        ".png": "image/png",
    }
    quiet = False

    def end_headers(self):
        # Every visit with a network asks again whether a file changed, so that a new site arrives.
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

    def log_message(self, format, *args):
        if not self.quiet:
            super().log_message(format, *args)


def main():
    folder, port = sys.argv[1], int(sys.argv[2])
    Handler.quiet = "--quiet" in sys.argv[3:]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=folder))
    print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
