#!/usr/bin/env python3
"""The maker's web site for the update tests, on the loopback interface: serves the files under
--root as they are; programs (.exe) go out slowly, in small pieces with their length announced,
so a test can watch the download's progress bar move.

    update_site.py --port PORT --root FOLDER
"""
import argparse
import http.server
import os
import time

PIECE = 16384
PAUSE = 0.02


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.translate_path(self.path)
        if not path.endswith(".exe") or not os.path.isfile(path):
            return super().do_GET()
        with open(path, "rb") as f:
            body = f.read()
        self.send_response(200)
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            for at in range(0, len(body), PIECE):
                self.wfile.write(body[at:at + PIECE])
                self.wfile.flush()
                time.sleep(PAUSE)
        except (BrokenPipeError, ConnectionResetError):
            pass


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--root", required=True)
    args = parser.parse_args()
    handler = lambda *a, **k: Handler(*a, directory=args.root, **k)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", args.port), handler)
    server.serve_forever()


if __name__ == "__main__":
    main()
