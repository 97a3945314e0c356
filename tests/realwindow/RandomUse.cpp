// Random but reproducible use of the real program in an X server: clicks and
// drags of all three buttons, the wheel, keys, access keys, typed Japanese
// text and a clipboard that changes under it, sent through XTest to the
// program's own windows. Fails on a crash, a sanitizer report or a hang (no
// answer to a ping for ten seconds), printing the seed and the last events.
//
//   vorzo-random-use --program DIR/VorzoDazorad --seed S --events N
//                    [--picture FILE.png] [--log FILE] [--hold]
//
// --hold leaves the program running after the last event, for a look at
// where a reproducer got to.
//
// The program is started in its own folder; when it ends by itself (the user
// chose to quit) it is started again and the run goes on.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <fcntl.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

struct Options
{
    std::string program;
    std::string picture;
    std::string log = "program.log";
    unsigned long long seed = 1;
    long events = 1000;
    bool hold = false;
};

struct Window
{
    ::Window id;
    int x, y, width, height;
    bool popup; // override-redirect: menus, tool tips, combo lists
};

// Windows come and go between a listing and a question about one of them.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

[[noreturn]] void usage()
{
    std::fprintf(stderr, "usage: vorzo-random-use --program EXE --seed S --events N [--picture PNG] [--log FILE]\n");
    std::exit(2);
}

Options parse(int argc, char **argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--hold") {
            o.hold = true;
            continue;
        }
        if (i + 1 >= argc)
            usage();
        const std::string value = argv[++i];
        if (name == "--program")
            o.program = value;
        else if (name == "--picture")
            o.picture = value;
        else if (name == "--log")
            o.log = value;
        else if (name == "--seed")
            o.seed = std::stoull(value);
        else if (name == "--events")
            o.events = std::stol(value);
        else
            usage();
    }
    if (o.program.empty() || o.events < 0)
        usage();
    return o;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Run
{
public:
    explicit Run(Options options) : o(std::move(options)), random(o.seed) {}

    int go()
    {
        display = XOpenDisplay(nullptr);
        if (!display) {
            std::fprintf(stderr, "FAIL: no X server\n");
            return 1;
        }
        int event, error, major, minor;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
            std::fprintf(stderr, "FAIL: the X server has no XTest\n");
            return 1;
        }
        XSetErrorHandler(ignoreErrors);
        root = DefaultRootWindow(display);
        // The program answers pings to the root window for its structure listeners.
        XSelectInput(display, root, StructureNotifyMask);
        owner = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
        atoms();
        findScratchKeycode();
        picture = o.picture.empty() ? std::string() : readFile(o.picture);
        bigText = makeBigText();

        start();
        for (long i = 0; i < o.events; ++i) {
            index = i;
            if (!alive())
                return fail("the program ended with " + exitText);
            act();
            XFlush(display);
            if (!answers())
                return fail("the program did not answer for 10 s");
            if (!(report = faultReport()).empty())
                return fail("the program reported a fault");
        }
        if (o.hold) {
            std::printf("random use: %ld events sent, the program runs on\n", o.events);
            std::fflush(stdout);
        } else {
            kill(child, SIGTERM);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!(report = faultReport()).empty())
            return fail("the program reported a fault");
        std::printf("random use: seed %llu, %ld events, %d starts, %ld clipboard changes, %ld pages opened\n", o.seed,
                    o.events, starts, clipboardChanges, browserOpens());
        return 0;
    }

private:
    // --- the program ---------------------------------------------------

    // What the program said that shows a fault: its sanitizers' reports, and
    // Qt's word that a dialog was asked to run while it already ran.
    std::string faultReport()
    {
        std::ifstream in(o.log, std::ios::binary);
        in.seekg(std::streamoff(logSeen));
        const std::string more{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        logSeen += more.size();
        logTail += more;
        for (const char *marker : {"ERROR: AddressSanitizer", "ERROR: LeakSanitizer",
                                   "runtime error:", "QDialog::exec: Recursive call detected"}) {
            const auto at = logTail.find(marker);
            if (at != std::string::npos)
                return logTail.substr(at > 200 ? at - 200 : 0, 4000);
        }
        // Enough to hold the start of a report cut between two reads.
        if (logTail.size() > 8192)
            logTail.erase(0, logTail.size() - 8192);
        return {};
    }

    void start()
    {
        const std::string folder = o.program.substr(0, o.program.rfind('/'));
        child = fork();
        if (child == 0) {
            if (chdir(folder.c_str()) != 0)
                _exit(126);
            const int out = open(o.log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            dup2(out, 1);
            dup2(out, 2);
            execl(o.program.c_str(), o.program.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        ++starts;
        note("start the program");
        // Its first window, or a hang.
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (windows().empty() && std::chrono::steady_clock::now() < until && alive()) {
            serveClipboard(100);
        }
    }

    // Whether the program still runs; started again when it quit by itself.
    bool alive()
    {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) != child)
            return true;
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && (report = faultReport()).empty()) {
            note("the program quit by itself");
            start();
            return true;
        }
        exitText = WIFSIGNALED(status) ? "signal " + std::to_string(WTERMSIG(status))
                                       : "status " + std::to_string(WEXITSTATUS(status));
        return false;
    }

    long browserOpens() const
    {
        const std::string text = readFile(o.program.substr(0, o.program.rfind('/')) + "/browser.log");
        return static_cast<long>(std::count(text.begin(), text.end(), '\n'));
    }

    // The program's windows that can be seen, bottom to top.
    std::vector<Window> windows()
    {
        std::vector<Window> found;
        ::Window rootReturn, parent, *children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count))
            return found;
        for (unsigned i = 0; i < count; ++i) {
            XWindowAttributes a;
            if (!XGetWindowAttributes(display, children[i], &a) || a.map_state != IsViewable)
                continue;
            if (pidOf(children[i]) != child)
                continue;
            found.push_back({children[i], a.x, a.y, a.width, a.height, a.override_redirect != 0});
        }
        XFree(children);
        return found;
    }

    long pidOf(::Window w)
    {
        Atom type;
        int format;
        unsigned long items, after;
        unsigned char *data = nullptr;
        long pid = -1;
        if (XGetWindowProperty(display, w, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data)
                == Success
            && data && items == 1 && format == 32)
            pid = *reinterpret_cast<long *>(data);
        if (data)
            XFree(data);
        return pid;
    }

    // A ping to one of its windows: the answer comes back on the root window
    // once the program's event loop has handled every event sent before it.
    bool answers()
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < until) {
            if (!alive())
                return true; // the caller reports the end
            ::Window target = 0;
            for (const Window &w : windows())
                if (!w.popup)
                    target = w.id;
            if (!target) {
                serveClipboard(50);
                continue;
            }
            XEvent ping{};
            ping.xclient.type = ClientMessage;
            ping.xclient.window = target;
            ping.xclient.message_type = wmProtocols;
            ping.xclient.format = 32;
            ping.xclient.data.l[0] = static_cast<long>(netWmPing);
            ping.xclient.data.l[1] = ++pingStamp;
            ping.xclient.data.l[2] = static_cast<long>(target);
            XSendEvent(display, target, False, NoEventMask, &ping);
            XFlush(display);
            while (std::chrono::steady_clock::now() < until) {
                XEvent e;
                if (!nextEvent(e, 200))
                    break; // window may have gone: ask again
                if (e.type == ClientMessage && e.xclient.window == root
                    && static_cast<Atom>(e.xclient.data.l[0]) == netWmPing && e.xclient.data.l[1] == pingStamp)
                    return true;
            }
        }
        return false;
    }

    // --- the events ----------------------------------------------------

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    bool chance(int percent) { return pick(100) < percent; }

    void act()
    {
        const std::vector<Window> shown = windows();
        if (shown.empty())
            return;
        // The top window most of the time: a dialog or a menu is answered.
        const Window &w = chance(60) ? shown.back() : shown[static_cast<size_t>(pick(int(shown.size())))];
        const int what = pick(100);
        if (what < 30)
            click(w);
        else if (what < 40)
            drag(w);
        else if (what < 48)
            wheel(w);
        else if (what < 70)
            key(w);
        else if (what < 78)
            chord(w, "Control_L", "abcdefghijklmnopqrstuvwxyz");
        else if (what < 85)
            chord(w, "Alt_L", "abcdefghijklmnopqrstuvwxyz");
        else if (what < 91)
            type(w);
        else if (what < 95)
            changeClipboard();
        else
            focus(w);
    }

    void pointAt(const Window &w, int &x, int &y)
    {
        // The menu bar and the tool bar now and then: menus get opened.
        const int height = (!w.popup && chance(20)) ? std::min(w.height, 48) : w.height;
        x = w.x + pick(std::max(w.width, 1));
        y = w.y + pick(std::max(height, 1));
    }

    void move(int x, int y) { XTestFakeMotionEvent(display, -1, x, y, CurrentTime); }

    void button(unsigned b, bool down) { XTestFakeButtonEvent(display, b, down ? True : False, CurrentTime); }

    void click(const Window &w)
    {
        int x, y;
        pointAt(w, x, y);
        const unsigned b = chance(70) ? 1 : chance(33) ? 2 : 3;
        const int times = chance(15) ? 2 : 1;
        note("click " + std::to_string(b) + (times == 2 ? " twice" : "") + " at " + std::to_string(x) + ","
             + std::to_string(y));
        move(x, y);
        for (int i = 0; i < times; ++i) {
            button(b, true);
            button(b, false);
        }
    }

    void drag(const Window &w)
    {
        int x, y, toX, toY;
        pointAt(w, x, y);
        pointAt(w, toX, toY);
        const unsigned b = static_cast<unsigned>(1 + pick(3));
        note("drag " + std::to_string(b) + " from " + std::to_string(x) + "," + std::to_string(y) + " to "
             + std::to_string(toX) + "," + std::to_string(toY));
        move(x, y);
        button(b, true);
        const int steps = 2 + pick(8);
        for (int s = 1; s <= steps; ++s)
            move(x + (toX - x) * s / steps, y + (toY - y) * s / steps);
        button(b, false);
    }

    void wheel(const Window &w)
    {
        int x, y;
        pointAt(w, x, y);
        const unsigned b = static_cast<unsigned>(4 + pick(4)); // up, down, left, right
        const int notches = 1 + pick(5);
        const char *modifier = chance(20) ? "Control_L" : chance(20) ? "Shift_L" : nullptr;
        note("wheel " + std::to_string(b) + " x" + std::to_string(notches) + (modifier ? " with " : "")
             + (modifier ? modifier : "") + " at " + std::to_string(x) + "," + std::to_string(y));
        move(x, y);
        if (modifier)
            press(modifier, true);
        for (int i = 0; i < notches; ++i) {
            button(b, true);
            button(b, false);
        }
        if (modifier)
            press(modifier, false);
    }

    void press(const char *keysymName, bool down)
    {
        const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(keysymName));
        if (code)
            XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
    }

    void pointerInto(const Window &w)
    {
        // Without a window manager the keys go where the pointer is, unless a
        // window took the focus.
        if (chance(50)) {
            int x, y;
            pointAt(w, x, y);
            move(x, y);
        }
    }

    void key(const Window &w)
    {
        static const char *const names[] = {
            "F1",     "F2",   "F3",    "F4",     "F5",     "F6",    "F7",    "F8",     "F9",
            "F10",    "F11",  "F12",   "Return", "Escape", "Tab",   "Tab",   "space",  "BackSpace",
            "Delete", "Left", "Right", "Up",     "Down",   "Home",  "End",   "Prior",  "Next",
            "Insert", "a",    "z",     "0",      "5",      "minus", "comma", "period", "Menu"};
        const char *name = names[pick(int(std::size(names)))];
        const char *modifier = chance(15) ? "Shift_L" : chance(5) ? "Alt_L" : nullptr;
        note(std::string("key ") + (modifier ? modifier + std::string("+") : std::string()) + name);
        pointerInto(w);
        if (modifier)
            press(modifier, true);
        press(name, true);
        press(name, false);
        if (modifier)
            press(modifier, false);
    }

    void chord(const Window &w, const char *modifier, const char *letters)
    {
        const char letter[2] = {letters[pick(int(std::strlen(letters)))], 0};
        note(std::string("key ") + modifier + "+" + letter);
        pointerInto(w);
        press(modifier, true);
        press(letter, true);
        press(letter, false);
        press(modifier, false);
    }

    // Text the keyboard map does not hold, typed through a spare key code
    // mapped to each character in turn.
    void type(const Window &w)
    {
        static const char32_t *const texts[] = {U"ぼるぞ", U"ステージ１",   U"漢字ｶﾀｶﾅ",
                                                U"①№㈱",   U"\uE000\uF8F0", U"😀é",
                                                U"\\¥~‾",  U"a\tb",         U"12345678901234"};
        const int which = pick(int(std::size(texts)));
        const std::u32string text = texts[which];
        note("type text " + std::to_string(which) + " (" + std::to_string(text.size()) + " characters)");
        if (!scratch)
            return;
        pointerInto(w);
        for (const char32_t c : text) {
            KeySym sym = c < 0x100 ? KeySym(c) : KeySym(0x1000000 + c);
            KeySym syms[2] = {sym, sym};
            XChangeKeyboardMapping(display, scratch, 2, syms, 1);
            XSync(display, False);
            // Let the program read the new map before the key comes.
            if (!answers())
                return;
            XTestFakeKeyEvent(display, scratch, True, CurrentTime);
            XTestFakeKeyEvent(display, scratch, False, CurrentTime);
        }
        XFlush(display);
    }

    void focus(const Window &w)
    {
        note("focus and raise window " + std::to_string(w.id));
        XRaiseWindow(display, w.id);
        if (!w.popup)
            XSetInputFocus(display, w.id, RevertToPointerRoot, CurrentTime);
    }

    // --- the clipboard -------------------------------------------------

    enum class Offer { Nothing, Line, Lines, Megabyte, Picture };

    void changeClipboard()
    {
        offer = static_cast<Offer>(pick(5));
        if (offer == Offer::Picture && picture.empty())
            offer = Offer::Megabyte;
        static const char *const names[] = {"empty", "one line", "lines", "1 MB of text", "a picture"};
        note(std::string("clipboard: ") + names[static_cast<int>(offer)]);
        ++clipboardChanges;
        const ::Window to = offer == Offer::Nothing ? None : owner;
        XSetSelectionOwner(display, clipboard, to, CurrentTime);
        XSetSelectionOwner(display, XA_PRIMARY, to, CurrentTime);
    }

    std::string offered(Atom target) const
    {
        const bool text = target == utf8 || target == XA_STRING || target == textAtom || target == textPlain
                          || target == textPlainUtf8;
        switch (offer) {
        case Offer::Line: return text ? "ぼるぞ ステージ" : std::string();
        case Offer::Lines: return text ? "一行目\r\n二行目\nthird\rline\t\xE2\x91\xA0\n" : std::string();
        case Offer::Megabyte: return text ? bigText : std::string();
        case Offer::Picture: return target == png ? picture : std::string();
        case Offer::Nothing: break;
        }
        return {};
    }

    void answer(const XSelectionRequestEvent &request)
    {
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = None;
        const Atom property = request.property ? request.property : request.target;
        if (request.target == targets) {
            std::vector<Atom> list{targets};
            if (offer == Offer::Picture)
                list.push_back(png);
            else
                list.insert(list.end(), {utf8, textPlainUtf8, textPlain, XA_STRING, textAtom});
            XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char *>(list.data()), int(list.size()));
            reply.property = property;
        } else {
            const std::string data = offered(request.target);
            const long room = XExtendedMaxRequestSize(display) ? XExtendedMaxRequestSize(display) * 4 - 4096 : 0;
            if (!data.empty() && long(data.size()) < room) {
                XChangeProperty(display, request.requestor, property, request.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char *>(data.data()), int(data.size()));
                reply.property = property;
            }
        }
        XSendEvent(display, request.requestor, False, NoEventMask, reinterpret_cast<XEvent *>(&reply));
    }

    // The next event for the caller, answering clipboard requests on the way;
    // false after the given milliseconds without one.
    bool nextEvent(XEvent &e, int milliseconds)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        for (;;) {
            while (XPending(display)) {
                XNextEvent(display, &e);
                if (e.type == SelectionRequest)
                    answer(e.xselectionrequest);
                else
                    return true;
            }
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(until
                                                                                    - std::chrono::steady_clock::now());
            if (left.count() <= 0)
                return false;
            fd_set read;
            FD_ZERO(&read);
            FD_SET(ConnectionNumber(display), &read);
            timeval wait{long(left.count() / 1000000), long(left.count() % 1000000)};
            select(ConnectionNumber(display) + 1, &read, nullptr, nullptr, &wait);
        }
    }

    void serveClipboard(int milliseconds)
    {
        XEvent e;
        nextEvent(e, milliseconds);
    }

    static std::string makeBigText()
    {
        std::string text;
        const std::string line = "ぼるぞクリエイター 1234567890 ABCDEFGHIJ\r\n";
        while (text.size() < 1024 * 1024)
            text += line;
        return text;
    }

    // --- set-up --------------------------------------------------------

    void atoms()
    {
        netWmPid = XInternAtom(display, "_NET_WM_PID", False);
        wmProtocols = XInternAtom(display, "WM_PROTOCOLS", False);
        netWmPing = XInternAtom(display, "_NET_WM_PING", False);
        clipboard = XInternAtom(display, "CLIPBOARD", False);
        targets = XInternAtom(display, "TARGETS", False);
        utf8 = XInternAtom(display, "UTF8_STRING", False);
        textAtom = XInternAtom(display, "TEXT", False);
        textPlain = XInternAtom(display, "text/plain", False);
        textPlainUtf8 = XInternAtom(display, "text/plain;charset=utf-8", False);
        png = XInternAtom(display, "image/png", False);
    }

    void findScratchKeycode()
    {
        int low, high, perCode;
        XDisplayKeycodes(display, &low, &high);
        KeySym *map = XGetKeyboardMapping(display, KeyCode(low), high - low + 1, &perCode);
        for (int code = high; code >= low && !scratch; --code) {
            bool empty = true;
            for (int i = 0; i < perCode; ++i)
                empty = empty && map[(code - low) * perCode + i] == NoSymbol;
            if (empty)
                scratch = KeyCode(code);
        }
        XFree(map);
    }

    // --- the record of what was done ----------------------------------

    void note(const std::string &what)
    {
        recent.push_back("#" + std::to_string(index) + " " + what);
        if (recent.size() > 40)
            recent.pop_front();
    }

    int fail(const std::string &why)
    {
        std::fprintf(stderr, "FAIL: %s\nseed %llu, at event %ld of %ld; the last events:\n", why.c_str(), o.seed, index,
                     o.events);
        for (const std::string &line : recent)
            std::fprintf(stderr, "  %s\n", line.c_str());
        if (report.empty())
            report = faultReport();
        if (!report.empty())
            std::fprintf(stderr, "the program said:\n%s\n", report.c_str());
        std::fprintf(stderr, "reproduce: vorzo-random-use --seed %llu --events %ld (program output in %s)\n", o.seed,
                     index + 1, o.log.c_str());
        if (child > 0)
            kill(child, SIGKILL);
        return 1;
    }

    Options o;
    std::mt19937_64 random;
    Display *display = nullptr;
    ::Window root = 0, owner = 0;
    Atom netWmPid = 0, wmProtocols = 0, netWmPing = 0, clipboard = 0, targets = 0, utf8 = 0, textAtom = 0,
         textPlain = 0, textPlainUtf8 = 0, png = 0;
    KeyCode scratch = 0;
    pid_t child = -1;
    std::string exitText, report, logTail;
    size_t logSeen = 0;
    int starts = 0;
    long index = 0, pingStamp = 0, clipboardChanges = 0;
    Offer offer = Offer::Nothing;
    std::string picture, bigText;
    std::deque<std::string> recent;
};

} // namespace

int main(int argc, char **argv)
{
    return Run(parse(argc, argv)).go();
}
