#!/usr/bin/python3
"""The local reference service: the remote service of the wizard, on loopback.

HTTPS (default 127.0.0.1:443) and plain HTTP (default 127.0.0.1:80) serve the
same routes:

  POST /o            the configuration endpoint, answered from the scenario
  POST /zbd          the reporting endpoint; each request's signature is checked
  GET  /f/<name>     files of the files folder (offer images)
  any other path     answered from the scenario when it names the path

The scenario is <state>/scenario.json, read again for every request, so a test
changes it by replacing the file. Every request is appended to
<state>/requests.jsonl, one JSON object per line. See README.md.
"""

import argparse
import hashlib
import ipaddress
import json
import os
import socket
import ssl
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote, urlsplit

REPORTING_PATH = "/zbd"
FILES_PREFIX = "/f/"
SIGNATURE_PREFIX = "Signature="


class Scenario:
    """The answers per path, taken in order; the last one repeats.

    A new scenario file starts every path's sequence again.
    """

    def __init__(self, path):
        self._path = path
        self._lock = threading.Lock()
        self._file = None
        self._routes = {}
        self._taken = {}

    def next_answer(self, route):
        with self._lock:
            self._reload()
            answers = self._routes.get(route)
            if not answers:
                return None
            taken = self._taken.get(route, 0)
            self._taken[route] = taken + 1
            return answers[min(taken, len(answers) - 1)]

    def _reload(self):
        # A new file, even with the same text, is a new scenario.
        try:
            status = os.stat(self._path)
            file = (status.st_ino, status.st_mtime_ns, status.st_size)
        except FileNotFoundError:
            file = None
        if file == self._file:
            return
        try:
            with open(self._path, encoding="utf-8") as scenario:
                routes = json.load(scenario).get("routes", {})
        except FileNotFoundError:
            routes = {}
        except (ValueError, AttributeError) as error:
            # A half-written file: keep what was read last.
            log(f"scenario not read: {error}")
            return
        self._file = file
        self._routes = {path: answers if isinstance(answers, list) else [answers]
                        for path, answers in routes.items()}
        self._taken = {}


def signature_verdict(headers, body):
    """'valid' when the Authorization header is the SHA-256 of keys "1" and "2"
    of the payload carried in "data"; otherwise what is wrong."""
    authorization = headers.get("Authorization")
    if authorization is None:
        return "missing"
    try:
        payload = json.loads(json.loads(body.decode("utf-8"))["data"])
        signed = (payload["1"] + payload["2"]).encode("utf-8")
    except (ValueError, KeyError, TypeError):
        return "unreadable"
    expected = SIGNATURE_PREFIX + hashlib.sha256(signed).hexdigest()
    return "valid" if authorization == expected else "invalid"


def log(text):
    print(time.strftime("%H:%M:%S"), text, file=sys.stderr, flush=True)


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    server_version = "QuilletReferenceService/1"

    def handle_expect_100(self):
        # No interim "100 Continue": HTTP lets a server answer at once, and
        # Wine's WinHTTP fails WinHttpReceiveResponse after an interim answer.
        return True

    def do_GET(self):
        self._serve()

    def do_POST(self):
        self._serve()

    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        log(f"{self.client_address[0]} {format % args}")

    def _serve(self):
        body = self._read_body()
        url = urlsplit(self.path)
        route = unquote(url.path)
        record = {
            "method": self.command,
            "path": route,
            "query": url.query,
            "scheme": self.server.scheme,
            "tls": self.connection.version() if self.server.scheme == "https" else None,
            "headers": [[name, value] for name, value in self.headers.items()],
            "body": body.decode("utf-8", errors="replace"),
        }
        answer = self.server.scenario.next_answer(route)
        if route == REPORTING_PATH and self.command == "POST":
            record["signature"] = signature_verdict(self.headers, body)
            if record["signature"] != "valid":
                answer = {"status": 403, "body": "signature " + record["signature"]}
            elif answer is None:
                answer = {"status": 200, "body": "OK"}
        if answer is None and self.command == "GET" and route.startswith(FILES_PREFIX):
            answer = {"file": route[len(FILES_PREFIX):]}
        self.server.record(record)
        self._answer(answer or {"status": 404, "body": "no such route"})

    def _read_body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length > 0 else b""

    def _answer(self, answer):
        time.sleep(answer.get("delay_ms", 0) / 1000)
        if answer.get("drop"):
            self._drop()
            return
        status = answer.get("status", 200)
        content_type = answer.get("content_type", "application/json")
        if "file" in answer:
            content = self._file(answer["file"])
            if content is None:
                status, content, content_type = 404, b"no such file", "text/plain"
            else:
                content_type = answer.get("content_type", "application/octet-stream")
        elif "json" in answer:
            content = json.dumps(answer["json"], ensure_ascii=False,
                                 separators=(",", ":")).encode("utf-8")
        else:
            content = answer.get("body", "").encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        for name, value in answer.get("headers", {}).items():
            self.send_header(name, value)
        if "chunks" in answer:
            self._send_chunked([chunk.encode("utf-8") for chunk in answer["chunks"]],
                               answer.get("chunk_delay_ms", 0))
            return
        self.send_header("Content-Length", str(len(content)))
        self.end_headers()
        self.wfile.write(content)

    def _send_chunked(self, chunks, delay_ms):
        self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        for chunk in chunks:
            self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
            self.wfile.flush()
            time.sleep(delay_ms / 1000)
        self.wfile.write(b"0\r\n\r\n")

    def _drop(self):
        # No answer at all: the connection ends under the client.
        self.close_connection = True
        try:
            self.connection.shutdown(socket.SHUT_RDWR)
        except OSError:
            pass

    def _file(self, name):
        folder = self.server.files
        if not folder:
            return None
        path = os.path.realpath(os.path.join(folder, name))
        if os.path.commonpath([path, os.path.realpath(folder)]) != os.path.realpath(folder):
            return None
        try:
            with open(path, "rb") as file:
                return file.read()
        except OSError:
            return None


class Server(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, address, scheme, shared, tls_context=None):
        super().__init__(address, Handler)
        self.scheme = scheme
        self.scenario = shared["scenario"]
        self.files = shared["files"]
        self.record = shared["record"]
        self._tls_context = tls_context

    def finish_request(self, request, client_address):
        # The handshake runs on the request's own thread, so a slow client
        # holds up nobody else.
        if self._tls_context is not None:
            try:
                request = self._tls_context.wrap_socket(request, server_side=True)
            except (ssl.SSLError, OSError) as error:
                log(f"{client_address[0]} TLS handshake failed: {error}")
                return
        super().finish_request(request, client_address)

    def handle_error(self, request, client_address):
        log(f"{client_address[0]} connection ended: {sys.exc_info()[1]!r}")


class Recorder:
    """Appends one JSON line per request to the requests file."""

    def __init__(self, path):
        self._path = path
        self._lock = threading.Lock()

    def __call__(self, record):
        line = json.dumps(record, ensure_ascii=False, separators=(",", ":"))
        with self._lock, open(self._path, "a", encoding="utf-8") as file:
            file.write(line + "\n")


def loopback_address(text):
    address = ipaddress.ip_address(text)
    if not address.is_loopback:
        raise argparse.ArgumentTypeError(f"{text} is not a loopback address")
    return text


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--state", required=True,
                        help="folder of scenario.json, requests.jsonl and the ready mark")
    parser.add_argument("--files", help="folder served under /f/")
    parser.add_argument("--cert", required=True, help="server certificate (PEM)")
    parser.add_argument("--key", required=True, help="server key (PEM)")
    parser.add_argument("--address", type=loopback_address, default="127.0.0.1")
    parser.add_argument("--https-port", type=int, default=443)
    parser.add_argument("--http-port", type=int, default=80)
    arguments = parser.parse_args()

    os.makedirs(arguments.state, exist_ok=True)
    shared = {
        "scenario": Scenario(os.path.join(arguments.state, "scenario.json")),
        "files": arguments.files,
        "record": Recorder(os.path.join(arguments.state, "requests.jsonl")),
    }
    tls = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    tls.load_cert_chain(arguments.cert, arguments.key)
    servers = [
        Server((arguments.address, arguments.https_port), "https", shared, tls),
        Server((arguments.address, arguments.http_port), "http", shared),
    ]
    for server in servers:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    with open(os.path.join(arguments.state, "ready"), "w", encoding="utf-8") as file:
        file.write(f"{os.getpid()}\n")
    log(f"serving https://{arguments.address}:{arguments.https_port} and "
        f"http://{arguments.address}:{arguments.http_port}")
    try:
        threading.Event().wait()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    main()
