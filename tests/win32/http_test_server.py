#!/usr/bin/env python3
"""Loopback HTTP server for the Win32 layer's HTTP client tests (standard library only).

    http_test_server.py PORT_FILE

Listens on 127.0.0.1 on a free port and writes "PORT REFUSED_PORT" to PORT_FILE once it accepts
connections; REFUSED_PORT is a port nothing listens on. Runs until it is stopped.

Every body is the same byte pattern (see body()), so a test can rebuild what it should receive.
  /sized/N                      N bytes with a Content-Length
  /chunked/N                    N bytes in chunked framing, no Content-Length
  /slow/PIECES/SIZE/DELAY_MS    PIECES pieces of SIZE bytes with a Content-Length, DELAY_MS apart
  /redirect/K                   302 to /redirect/K-1; /redirect/0 answers like /sized/100
  /status/CODE                  that status with a small error page
  /truncated/N                  announces N bytes, sends half of them and closes the connection
  /never                        reads the request and answers nothing for 30 s
  /agent                        the request's User-Agent header as the body
"""
import http.server
import os
import socket
import socketserver
import sys
import time


def body(size):
    return bytes((i * 7 + 3) % 256 for i in range(size))


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, format, *args):
        pass

    def do_GET(self):
        parts = self.path.strip("/").split("/")
        route = getattr(self, "route_" + parts[0], None)
        try:
            if route is None:
                self.send_body(404, b"no such endpoint")
            else:
                route(*[int(p) for p in parts[1:]])
        except (BrokenPipeError, ConnectionResetError, ConnectionAbortedError):
            # The client aborted the transfer: that is what some tests do.
            self.close_connection = True

    def send_body(self, code, data, content_type="application/octet-stream"):
        self.send_response(code)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def route_sized(self, size):
        self.send_body(200, body(size))

    def route_chunked(self, size):
        self.send_response(200)
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        data = body(size)
        for start in range(0, len(data), 1000):
            chunk = data[start:start + 1000]
            self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
            self.wfile.flush()
        self.wfile.write(b"0\r\n\r\n")

    def route_slow(self, pieces, size, delay_ms):
        data = body(pieces * size)
        self.send_response(200)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.flush()
        for start in range(0, len(data), size):
            time.sleep(delay_ms / 1000)
            self.wfile.write(data[start:start + size])
            self.wfile.flush()

    def route_redirect(self, remaining):
        if remaining == 0:
            self.route_sized(100)
            return
        self.send_response(302)
        self.send_header("Location", "http://%s/redirect/%d" % (self.headers["Host"], remaining - 1))
        self.send_header("Content-Length", "0")
        self.end_headers()

    def route_status(self, code):
        self.send_body(code, b"<html>error page</html>", "text/html")

    def route_truncated(self, size):
        self.send_response(200)
        self.send_header("Content-Length", str(size))
        self.end_headers()
        self.wfile.write(body(size)[: size // 2])
        self.wfile.flush()
        self.close_connection = True

    def route_never(self):
        time.sleep(30)
        self.close_connection = True

    def route_agent(self):
        self.send_body(200, (self.headers["User-Agent"] or "").encode("utf-8"), "text/plain")


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True
    allow_reuse_address = True


def unused_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def main():
    server = Server(("127.0.0.1", 0), Handler)
    refused = unused_port()
    with open(sys.argv[1] + ".tmp", "w") as out:
        out.write("%d %d\n" % (server.server_address[1], refused))
    # Renamed into place, so a reader never sees half a line.
    os.replace(sys.argv[1] + ".tmp", sys.argv[1])
    server.serve_forever()


if __name__ == "__main__":
    main()
