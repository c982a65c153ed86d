#!/usr/bin/env python3
"""The installer's demonstration run against the local stand-in (see tools/run-installer.sh).

--script-only: give the stand-in's default session the replies of a healthy set of services
and exit. Otherwise also start the installer on the current (virtual) display and click
through the flow, saving a screenshot of every page and of the exit dialog into --shots.
"""
import argparse
import json
import os
import subprocess
import sys
import time
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import installer_ui as ui  # noqa: E402

PRODUCT = "/down/down?path=DOCWARP_Online.exe"


def control(port, path, body=None):
    data = None if body is None else json.dumps(body).encode("utf-8")
    req = urllib.request.Request("http://127.0.0.1:%d%s" % (port, path), data=data,
                                 method="GET" if body is None else "POST",
                                 headers={"Content-Type": "application/json"})
    with urllib.request.urlopen(req, timeout=10) as r:
        return json.loads(r.read().decode("utf-8") or "null")


def script(port, match, replies):
    control(port, "/session/default/script", {"match": match, "replies": replies})


def healthy_services(port, https_port, first_download_fails):
    base = "https://localhost:%d" % https_port
    script(port, "/tolvane/getDownUrl", [{"body": json.dumps({"state": 0, "data": {
        "onlineUrl": base + PRODUCT, "offlineUrl": base + "/down/down?path=DOCWARP_Offline.exe"}})}])
    script(port, "/ipJson.jsp", [{"body": json.dumps({"ip": "198.51.100.7", "isp": "stand-in"})}])
    script(port, "/client/userOperating", [{"body": "ok"}])
    # The product itself is served by the stand-in's --product file; a demonstration shows the
    # failure page first (an error page instead of the installer), then a slowish good download.
    if first_download_fails:
        script(port, PRODUCT, [{"status": 404, "body": "<html><body>Not found</body></html>"},
                               {"product": True, "delay_ms": 3000}])


def reports(port):
    got = control(port, "/session/default/requests")
    return [bytes.fromhex(r["body_hex"]).decode("utf-8", "replace") for r in got
            if r["target"] == "/client/userOperating"]


def wait_report(port, event, timeout=90.0):
    end = time.time() + timeout
    while time.time() < end:
        if any(event in body for body in reports(port)):
            return
        time.sleep(0.3)
    raise TimeoutError("the stand-in never received %s" % event)


def wait_gone(window, timeout=30.0):
    end = time.time() + timeout
    while time.time() < end:
        if window not in ui.visible_windows():
            return
        time.sleep(0.3)
    raise TimeoutError("window %d is still there" % window)


def demo(args):
    control(args.control_port, "/session/default/reset", {})
    healthy_services(args.control_port, args.https_port, True)
    shots = args.shots
    os.makedirs(shots, exist_ok=True)
    app = subprocess.Popen([args.wine_run, "--prefix", args.prefix, args.exe],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        main = ui.main_window()
        time.sleep(1.5)  # the first frame and the shadow
        ui.screenshot(main, os.path.join(shots, "1-home.png"))
        ui.click_main(main, "btn_Close")
        dialog = ui.dialog_window()
        time.sleep(1.0)
        ui.screenshot(dialog, os.path.join(shots, "2-exit-dialog.png"))
        ui.click_dialog(dialog, "btn_cancel")
        wait_gone(dialog)
        ui.click_main(main, "btn_Install")
        wait_report(args.control_port, "INSTALL_DOWNLOADSUC")
        time.sleep(1.5)
        ui.screenshot(main, os.path.join(shots, "3-failed.png"))
        ui.click_main(main, "btn_Reinstall")
        time.sleep(1.5)  # the stand-in holds the download for three seconds
        ui.screenshot(main, os.path.join(shots, "4-installing.png"))
        wait_report(args.control_port, '"INSTALL"')
        time.sleep(1.5)
        ui.screenshot(main, os.path.join(shots, "5-finished.png"))
        ui.click_main(main, "btn_Run")
        app.wait(timeout=60)
    finally:
        if app.poll() is None:
            app.kill()
    return 0


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--control-port", type=int, required=True)
    p.add_argument("--https-port", type=int, required=True)
    p.add_argument("--script-only", action="store_true")
    p.add_argument("--prefix")
    p.add_argument("--exe")
    p.add_argument("--wine-run")
    p.add_argument("--shots")
    args = p.parse_args()
    if args.script_only:
        healthy_services(args.control_port, args.https_port, False)
        return 0
    return demo(args)


if __name__ == "__main__":
    sys.exit(main())
