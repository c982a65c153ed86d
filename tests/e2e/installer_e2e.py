#!/usr/bin/env python3
"""End-to-end cases of the installer, as a user meets it: the real Zentrivo.exe under Wine on the
test prefix's virtual display, real input through xdotool, screenshots read at known pixels, and
the stand-in recording what reached the services.

  installer_e2e.py CASE --exe EXE --wine-run RUNNER --prefix PREFIX --control-port N
                   --https-port N --product FILE

Each case leaves the machine as it found it: the installer's processes are ended, the product's
folder and key removed.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                                "ui-driver"))
import installer_ui as ui  # noqa: E402
import demo  # noqa: E402

PRODUCT = demo.PRODUCT
INSTALL_DIR = "Program Files (x86)/tolvane/Zentrivo"


class Case:
    def __init__(self, args):
        self.args = args
        self.apps = []
        self.shots = os.path.join(os.path.dirname(os.path.abspath(args.exe)), "e2e-shots", args.case)
        shutil.rmtree(self.shots, ignore_errors=True)
        os.makedirs(self.shots, exist_ok=True)
        self.drive_c = os.path.join(args.prefix, "drive_c")
        self.env = dict(os.environ)
        self.env.pop("DISPLAY", None)  # always the prefix's own virtual display

    # ---- services ---------------------------------------------------------------------
    def reset(self):
        demo.control(self.args.control_port, "/session/default/reset", {})

    def script(self, match, replies):
        demo.script(self.args.control_port, match, replies)

    def healthy(self, product_replies=None):
        demo.healthy_services(self.args.control_port, self.args.https_port, False)
        self.script(PRODUCT, product_replies or [{"file": self.args.product}])

    def requests(self):
        return demo.control(self.args.control_port, "/session/default/requests")

    def reports(self):
        return demo.reports(self.args.control_port)

    def wait_report(self, event, timeout=90.0):
        demo.wait_report(self.args.control_port, event, timeout)

    # ---- the program ------------------------------------------------------------------
    def start(self, lang=None):
        cmd = [self.args.wine_run, "--prefix", self.args.prefix]
        if lang:
            cmd += ["--lang", lang]
        app = subprocess.Popen(cmd + [self.args.exe], env=self.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
        self.apps.append(app)
        display = open(self.args.prefix + ".state/xvfb.display").read().strip()
        os.environ["DISPLAY"] = display  # for xdotool and import
        return app

    def main_window(self):
        w = ui.main_window()
        time.sleep(1.0)  # first frame, shadow, language switch
        return w

    def shot(self, window, name):
        return ui.screenshot(window, os.path.join(self.shots, name + ".png"))

    def cleanup(self):
        for app in self.apps:
            if app.poll() is None:
                app.kill()
        subprocess.run([self.args.wine_run, "--prefix", self.args.prefix, "cmd", "/c",
                        "taskkill /f /im Zentrivo.exe >nul 2>&1 & taskkill /f /im AppRun.exe >nul 2>&1"],
                       env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shutil.rmtree(os.path.join(self.drive_c, INSTALL_DIR), ignore_errors=True)

    def installed(self, name):
        return os.path.join(self.drive_c, INSTALL_DIR, name)


def expect(cond, what):
    if not cond:
        raise AssertionError(what)


def red(p):
    return p[0] > 180 and p[1] < 140 and p[2] < 140


def grey(p):
    return abs(p[0] - p[1]) < 20 and abs(p[1] - p[2]) < 20 and 120 < p[0] < 235


def wait_for(predicate, timeout, what):
    end = time.time() + timeout
    while time.time() < end:
        if predicate():
            return
        time.sleep(0.3)
    raise AssertionError("timed out: " + what)


def button_pixel(case, window, name, shot):
    """A pixel of a large button's face, left of its label, in a new screenshot named shot."""
    path = case.shot(window, shot)
    x, y = ui.MAIN_POINTS[name]
    return ui.pixel(path, int(x * ui.MAIN_SCALE) - 40, int(y * ui.MAIN_SCALE) - 12)


# ---- cases --------------------------------------------------------------------------------
def case_install_and_run(case):
    """English system: 690x460 centred with a shadow; the licence option gates Install and Change;
    Install -> finished -> Run starts the installed product; exact service traffic."""
    case.healthy([{"file": case.args.product, "delay_ms": 2000}])
    case.start()
    main = case.main_window()
    x, y, w, h = ui.geometry(main)
    expect((w, h) == (690, 460), "window size %dx%d" % (w, h))
    expect(abs(x - (1280 - 690) // 2) <= 1 and abs(y - (1024 - 460) // 2) <= 40,
           "window not centred: %d,%d" % (x, y))
    shadows = [s for s in ui.visible_windows() if ui.geometry(s) == (x - 5, y - 5, 700, 470)]
    expect(shadows, "no shadow window of 700x470 at -5,-5 around the window")

    expect(red(button_pixel(case, main, "btn_Install", "home")), "Install is not enabled (red)")
    ui.click_main(main, "opt_User")
    time.sleep(0.8)
    expect(grey(button_pixel(case, main, "btn_Install", "unticked")),
           "Install still enabled after unticking the licence option")
    ui.click_main(main, "btn_Install")  # disabled: nothing happens
    time.sleep(1.0)
    expect(not any(r["target"] == PRODUCT for r in case.requests()), "a disabled Install started a run")
    ui.click_main(main, "opt_User")
    time.sleep(0.8)
    expect(red(button_pixel(case, main, "btn_Install", "ticked-again")), "Install not enabled again")

    ui.click_main(main, "btn_Install")
    time.sleep(1.0)
    case.shot(main, "installing")
    case.wait_report('"INSTALL"')
    time.sleep(1.0)
    expect(red(button_pixel(case, main, "btn_Run", "finished")), "no Run button on the finished page")
    expect(os.path.exists(case.installed("AppRun.exe")), "the product was not installed")
    ui.click_main(main, "btn_Run")
    wait_for(lambda: os.path.exists(case.installed("apprun-started.txt")), 30, "AppRun.exe never started")
    started = open(case.installed("apprun-started.txt"), encoding="utf-8").read()
    expect(started.rstrip().endswith("tolvane\\Zentrivo\\") or "Zentrivo" in started.splitlines()[-1],
           "AppRun.exe's working folder is not the install folder: %r" % started)
    case.apps[0].wait(timeout=30)
    events = [json.loads(b)["operateType"] for b in case.reports()]
    expect(events[:1] == ["INSTALL_START"] and "INSTALL" in events, "reports %r" % events)


def case_failure_then_reinstall(case):
    """A 404 error page instead of the installer -> failed page and INSTALL_DOWNLOADSUC; Re-install
    downloads again and succeeds."""
    case.healthy([{"status": 404, "body": "<html><body>404</body></html>"},
                  {"file": case.args.product}])
    case.start()
    main = case.main_window()
    ui.click_main(main, "btn_Install")
    case.wait_report("INSTALL_DOWNLOADSUC")
    time.sleep(1.0)
    expect(red(button_pixel(case, main, "btn_Reinstall", "failed")), "no Re-install button")
    ui.click_main(main, "btn_Reinstall")
    case.wait_report('"INSTALL"')
    expect(sum(r["target"] == PRODUCT for r in case.requests()) == 2, "the product was not downloaded again")
    expect(os.path.exists(case.installed("AppRun.exe")), "the product was not installed")


def case_close_during_download(case):
    """Alt+F4 during a download shows the Chinese dialog; "否" keeps the run going; "是" makes the
    stand-in record INSTALL_USERABORT before the window disappears."""
    case.healthy([{"fill": {"size": 50000000}, "stall_after": 1000000}])
    case.start()
    main = case.main_window()
    ui.click_main(main, "btn_Install")
    wait_for(lambda: any(r["target"] == PRODUCT for r in case.requests()), 30, "no download")
    time.sleep(1.0)
    ui.key(main, "alt+F4")
    dialog = ui.dialog_window()
    time.sleep(0.8)
    case.shot(dialog, "dialog")
    ui.click_dialog(dialog, "btn_cancel")
    demo.wait_gone(dialog)
    time.sleep(1.0)
    expect(main in ui.visible_windows(), "the window went away after 否")
    expect(not any("USERABORT" in b for b in case.reports()), "an abort was reported after 否")
    ui.key(main, "alt+F4")
    dialog = ui.dialog_window()
    time.sleep(0.5)
    ui.click_dialog(dialog, "btn_confirm")
    wait_for(lambda: main not in ui.visible_windows(), 30, "the window stayed after 是")
    expect(any("INSTALL_USERABORT" in b for b in case.reports()),
           "INSTALL_USERABORT not recorded before the window disappeared")


def case_alt_f4_finished(case):
    """Alt+F4 on the finished page quits at once: no dialog, no abort report."""
    case.healthy()
    app = case.start()
    main = case.main_window()
    ui.click_main(main, "btn_Install")
    case.wait_report('"INSTALL"')
    time.sleep(1.0)
    ui.key(main, "alt+F4")
    app.wait(timeout=30)
    expect(app.returncode == 0, "exit code %r" % app.returncode)
    expect(not ui.visible_windows("^msgwnd$"), "a dialog was shown")
    expect(not any("USERABORT" in b for b in case.reports()), "an abort was reported")


def case_second_instance(case):
    """A second start exits 0 at once and leaves the first window as it was."""
    case.healthy()
    case.start()
    main = case.main_window()
    before = ui.geometry(main)
    second = case.start()
    second.wait(timeout=60)
    expect(second.returncode == 0, "second instance exit code %r" % second.returncode)
    time.sleep(1.0)
    expect(ui.geometry(main) == before, "the first window changed")
    mains = [w for w in ui.visible_windows() if ui.geometry(w)[2:] == (690, 460)]
    expect(len(mains) == 1, "%d main windows" % len(mains))


def case_service_down(case):
    """The address service answers nothing useful: the built-in addresses still install."""
    demo.script(case.args.control_port, "/tolvane/getDownUrl", [{"status": 503, "body": "down"}])
    demo.script(case.args.control_port, "/ipJson.jsp", [{"status": 503, "body": "down"}])
    demo.script(case.args.control_port, "/client/userOperating", [{"body": "ok"}])
    case.script(PRODUCT, [{"file": case.args.product}])
    case.start()
    main = case.main_window()
    ui.click_main(main, "btn_Install")
    case.wait_report('"INSTALL"')
    expect(os.path.exists(case.installed("AppRun.exe")), "the product was not installed")


def case_chinese(case):
    """A Chinese system shows Chinese texts, an English one English: the Install button's label
    differs between the two, with the same window."""
    crops = []
    for lang in (None, "zh_CN.UTF-8"):
        case.reset()
        case.healthy()
        app = case.start(lang)
        main = case.main_window()
        path = case.shot(main, "home-" + (lang or "en"))
        _, _, rows = ui.read_png_rgb(path)
        bx, by = ui.MAIN_POINTS["btn_Install"]
        cx, cy = int(bx * ui.MAIN_SCALE), int(by * ui.MAIN_SCALE)
        crops.append([rows[yy][cx - 60:cx + 60] for yy in range(cy - 10, cy + 10)])
        ui.key(main, "alt+F4")
        dialog = ui.dialog_window()
        ui.click_dialog(dialog, "btn_confirm")
        app.wait(timeout=30)
    white = lambda crop: sum(1 for row in crop for p in row if min(p) > 235)  # noqa: E731
    expect(white(crops[0]) > 20 and white(crops[1]) > 20, "no label text on the Install button")
    expect(crops[0] != crops[1], "the same Install label in English and Chinese")


CASES = {name[5:]: fn for name, fn in globals().items() if name.startswith("case_")}


def main():
    p = argparse.ArgumentParser()
    p.add_argument("case", choices=sorted(CASES))
    for name in ("exe", "wine-run", "prefix", "product"):
        p.add_argument("--" + name, required=True)
    p.add_argument("--control-port", type=int, required=True)
    p.add_argument("--https-port", type=int, required=True)
    args = p.parse_args()
    case = Case(args)
    case.reset()
    case.cleanup()
    try:
        CASES[args.case](case)
    except (AssertionError, TimeoutError, RuntimeError) as e:
        print("FAILED %s: %s (screenshots in %s)" % (args.case, e, case.shots))
        return 1
    finally:
        case.cleanup()
    print("PASSED %s" % args.case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
