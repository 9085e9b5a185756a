"""A self-signed certificate for the TLS servers, made when they start (the client does not
verify it)."""
import os
import ssl
import subprocess


def make_certificate(folder: str, host: str = "127.0.0.1") -> tuple:
    """Writes key.pem and cert.pem into folder with the openssl command; returns both paths."""
    key, cert = os.path.join(folder, "key.pem"), os.path.join(folder, "cert.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec",
                    "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                    "-keyout", key, "-out", cert, "-days", "30",
                    "-subj", "/CN=%s" % host],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    return key, cert


def server_context(key: str, cert: str, tls_max: str = "1.3") -> ssl.SSLContext:
    ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    ctx.load_cert_chain(cert, key)
    ctx.minimum_version = ssl.TLSVersion.TLSv1_2
    ctx.maximum_version = (ssl.TLSVersion.TLSv1_2 if tls_max == "1.2"
                           else ssl.TLSVersion.TLSv1_3)
    return ctx
