#!/usr/bin/python3
"""Checks the reference service from inside its namespace.

Run: service/run-in-namespace.sh --files <folder> -- /usr/bin/python3 service/test_reference_service.py
(the files folder must hold hello.txt with the text "hello").
"""

import hashlib
import http.client
import json
import os
import ssl
import unittest

STATE = os.environ["QUILLET_SERVICE_STATE"]
TLS = ssl.create_default_context(cafile=os.environ["QUILLET_SERVICE_CA"])


def set_routes(routes):
    path = os.path.join(STATE, "scenario.json")
    with open(path + ".next", "w", encoding="utf-8") as file:
        json.dump({"routes": routes}, file)
    os.replace(path + ".next", path)


def requests():
    try:
        with open(os.path.join(STATE, "requests.jsonl"), encoding="utf-8") as file:
            return [json.loads(line) for line in file]
    except FileNotFoundError:
        return []


def call(method, path, body=b"", headers=None, secure=True):
    connection = (http.client.HTTPSConnection("127.0.0.1", 443, context=TLS) if secure
                  else http.client.HTTPConnection("127.0.0.1", 80))
    connection.request(method, path, body=body, headers=headers or {})
    response = connection.getresponse()
    return response.status, response.read()


def event(machine_id, timestamp, signature):
    payload = json.dumps({"1": machine_id, "2": timestamp, "6": "1"})
    body = json.dumps({"table": "zb_analytics", "data": payload}).encode()
    return call("POST", "/zbd", body, {"Authorization": "Signature=" + signature})


class ReferenceService(unittest.TestCase):
    def setUp(self):
        set_routes({})
        try:
            os.remove(os.path.join(STATE, "requests.jsonl"))
        except FileNotFoundError:
            pass

    def test_answers_in_order_and_the_last_repeats(self):
        set_routes({"/o": [{"status": 503}, {"json": {"l": "ES", "t": "Cl\u00e1sico"}}]})
        self.assertEqual(call("POST", "/o?x=1", b"{}")[0], 503)
        self.assertEqual(call("POST", "/o", b"{}"), (200, '{"l":"ES","t":"Clásico"}'.encode()))
        self.assertEqual(call("POST", "/o", b"{}")[0], 200)
        # The same text in a new file starts again.
        set_routes({"/o": [{"status": 503}, {"json": {"l": "ES", "t": "Cl\u00e1sico"}}]})
        self.assertEqual(call("POST", "/o", b"{}")[0], 503)
        self.assertEqual([r["query"] for r in requests()], ["x=1", "", "", ""])

    def test_signatures_are_checked(self):
        good = hashlib.sha256(b"guid20250301142507").hexdigest()
        self.assertEqual(event("guid", "20250301142507", good), (200, b"OK"))
        self.assertEqual(event("guid", "20250301142507", "0" * 64)[0], 403)
        self.assertEqual([r["signature"] for r in requests()], ["valid", "invalid"])

    def test_chunks_and_drops(self):
        set_routes({"/c": {"chunks": ["ab", "c\u0000d"]}, "/d": {"drop": True}})
        self.assertEqual(call("POST", "/c"), (200, b"abc\x00d"))
        with self.assertRaises(http.client.RemoteDisconnected):
            call("POST", "/d")

    def test_files_stay_inside_their_folder(self):
        self.assertEqual(call("GET", "/f/hello.txt", secure=False), (200, b"hello"))
        self.assertEqual(call("GET", "/f/../README.md", secure=False)[0], 404)
        self.assertEqual(call("GET", "/f/missing.png")[0], 404)


if __name__ == "__main__":
    unittest.main()
