// Links the whole of the core and the framework and nothing above them: a framework file that
// calls into a window, or a core file that calls into Qt Gui, leaves a symbol undefined here.
int main() {
    return 0;
}
