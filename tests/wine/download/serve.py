"""The download tests' servers: HTTP on 127.0.0.1:80 and HTTPS on
127.0.0.1:443, both answering the same paths.

  /bytes/N                 N bytes of "abc...z" repeated, with Content-Length
  /chunked/N               the same N bytes, chunked, without a length
  /drop/N                  announces N bytes, sends half, drops the connection
  /status/CODE             that status, with an empty body
  /agent                   the request's User-Agent, "(none)" without one
  /chain/K/PATH            K redirects alternating http and https, then
                           the answer of /PATH
  /long-redirect/N/PATH    one redirect to /PATH by a Location of N characters
  /relative-redirect/PATH  one redirect to /PATH by a relative Location
  /test-ca.crl             the test CA's revocation list (nothing revoked)

Usage: serve.py CERTIFICATE KEY CRL READY-FILE   (READY-FILE is made once
both listen)"""
import http.server
import pathlib
import ssl
import sys
import threading

ALPHABET = b"abcdefghijklmnopqrstuvwxyz"
BLOCK = ALPHABET * (1024 * 1024 // len(ALPHABET) + 1)


def pattern(offset, size):
    start = offset % len(ALPHABET)
    return BLOCK[start:start + size]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def scheme(self):
        return "https" if isinstance(self.connection, ssl.SSLSocket) else "http"

    def do_GET(self):
        self.dispatch(self.path.split("?")[0].lstrip("/").split("/"))

    def dispatch(self, parts):
        route = getattr(self, "route_" + parts[0].replace("-", "_"), None)
        if route is None:
            self.send_status(404)
        else:
            route(*parts[1:])

    def send_status(self, code, headers=()):
        self.send_response(code)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def send_body(self, size, announced=None):
        self.send_response(200)
        self.send_header("Content-Length", str(size if announced is None else announced))
        self.end_headers()
        for offset in range(0, size, len(BLOCK) // 2):
            self.wfile.write(pattern(offset, min(len(BLOCK) // 2, size - offset)))

    def redirect(self, location):
        self.send_status(302, [("Location", location)])

    def route_bytes(self, size):
        self.send_body(int(size))

    def route_chunked(self, size):
        size = int(size)
        self.send_response(200)
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        for offset in range(0, size, 10000):
            chunk = pattern(offset, min(10000, size - offset))
            self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
        self.wfile.write(b"0\r\n\r\n")

    def route_drop(self, size):
        size = int(size)
        self.send_body(size // 2, announced=size)
        self.wfile.flush()
        self.close_connection = True
        self.connection.close()

    def route_status(self, code):
        self.send_status(int(code))

    def route_agent(self):
        agent = self.headers.get("User-Agent", "(none)").encode()
        self.send_response(200)
        self.send_header("Content-Length", str(len(agent)))
        self.end_headers()
        self.wfile.write(agent)

    def route_chain(self, hops, *rest):
        if int(hops) == 0:
            self.dispatch(list(rest))
            return
        other = "http" if self.scheme() == "https" else "https"
        self.redirect(f"{other}://127.0.0.1/chain/{int(hops) - 1}/{'/'.join(rest)}")

    def route_long_redirect(self, length, *rest):
        target = f"{self.scheme()}://127.0.0.1/{'/'.join(rest)}?pad="
        self.redirect(target + "x" * max(0, int(length) - len(target)))

    def route_relative_redirect(self, *rest):
        self.redirect("/" + "/".join(rest))

    def route_test_ca_crl(self):
        crl = pathlib.Path(self.server.crl).read_bytes()
        self.send_response(200)
        self.send_header("Content-Type", "application/pkix-crl")
        self.send_header("Content-Length", str(len(crl)))
        self.end_headers()
        self.wfile.write(crl)


def serve(port, crl, wrap=None):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    server.daemon_threads = True
    server.crl = crl
    if wrap:
        server.socket = wrap(server.socket)
    threading.Thread(target=server.serve_forever, daemon=True).start()


def main():
    certificate, key, crl, ready = sys.argv[1:5]
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    serve(80, crl)
    serve(443, crl, lambda sock: context.wrap_socket(sock, server_side=True))
    pathlib.Path(ready).touch()
    threading.Event().wait()


if __name__ == "__main__":
    main()
