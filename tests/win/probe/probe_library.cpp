// A library that does nothing: the library-search test plants it in folders
// that must not be searched and sees whether it loads by its bare name.
extern "C" __declspec(dllexport) int ombrelProbe() { return 42; }
