#!/usr/bin/env python3
"""A local update service for the tests.

Makes a test authority and two server certificates with openssl in FOLDER
(one signed by the test authority, one by an authority nobody trusts), then
serves HTTPS with each and plain HTTP on 127.0.0.1 and prints
"PORTS <trusted> <untrusted> <plain>".

Every request is written byte for byte to FOLDER/last-request. The answer to
/<case>/... is FOLDER/<case>.body with the status in FOLDER/<case>.status
(200 when absent), announced as FOLDER/<case>.length bytes when that file
exists; /stall/... is never answered. The process ends with its
parent.
"""
import ctypes
import http.server
import os
import signal
import ssl
import subprocess
import sys
import threading
import time
import urllib.parse

folder = sys.argv[1]


def path(name):
    return os.path.join(folder, name)


def openssl(*arguments):
    subprocess.run(["openssl", *arguments], check=True, capture_output=True, cwd=folder)


def make_authority(name):
    openssl("req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", name + ".key", "-out", name + ".pem", "-days", "2", "-subj", "/CN=" + name,
            "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign")


def make_server_certificate(name, authority):
    with open(path(name + ".ext"), "w") as ext:
        ext.write("subjectAltName=IP:127.0.0.1\nbasicConstraints=CA:FALSE\n"
                  "keyUsage=digitalSignature\nextendedKeyUsage=serverAuth\n")
    openssl("req", "-new", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
            "-keyout", name + ".key", "-out", name + ".csr", "-subj", "/CN=127.0.0.1")
    openssl("x509", "-req", "-in", name + ".csr", "-CA", authority + ".pem", "-CAkey", authority + ".key",
            "-CAcreateserial", "-days", "2", "-out", name + ".pem", "-extfile", name + ".ext")


class Recorder:
    """The request's bytes as they are read."""

    def __init__(self, stream):
        self.stream = stream
        self.data = bytearray()

    def readline(self, *arguments):
        line = self.stream.readline(*arguments)
        self.data += line
        return line

    def read(self, *arguments):
        chunk = self.stream.read(*arguments)
        self.data += chunk
        return chunk

    def close(self):
        self.stream.close()


class Handler(http.server.BaseHTTPRequestHandler):
    def setup(self):
        super().setup()
        self.rfile = Recorder(self.rfile)

    def log_message(self, *arguments):
        pass

    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        with open(path("last-request"), "wb") as record:
            record.write(self.rfile.data)
        case = urllib.parse.urlsplit(self.path).path.strip("/").split("/")[0]
        if case == "stall":
            time.sleep(60)
            return
        status, body = 404, b"no such case"
        if os.path.exists(path(case + ".body")):
            with open(path(case + ".body"), "rb") as source:
                body = source.read()
            status = 200
            if os.path.exists(path(case + ".status")):
                with open(path(case + ".status")) as source:
                    status = int(source.read())
        length = len(body)
        if os.path.exists(path(case + ".length")):
            with open(path(case + ".length")) as source:
                length = int(source.read())
        self.send_response(status)
        self.send_header("Content-Length", str(length))
        self.end_headers()
        self.wfile.write(body)

    do_GET = answer
    do_POST = answer


def serve(certificate):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    if certificate:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(path(certificate + ".pem"), path(certificate + ".key"))
        server.socket = context.wrap_socket(server.socket, server_side=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server.server_address[1]


def main():
    ctypes.CDLL(None).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG
    make_authority("test-ca")
    make_server_certificate("server", "test-ca")
    make_authority("other-ca")
    make_server_certificate("other-server", "other-ca")
    ports = [serve("server"), serve("other-server"), serve(None)]
    print("PORTS", *ports, flush=True)
    signal.sigwait([signal.SIGTERM, signal.SIGINT])


if __name__ == "__main__":
    main()
