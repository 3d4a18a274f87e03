// SPDX-FileCopyrightText: 2026 Merovant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for Windows' UI Automation core, for checking under Wine what
// the program hands a screen reader. Wine's own uiautomationcore.dll says no
// client is listening, so Qt's bridge would stay silent there. This one
// answers as the system's does on Windows 10 1709 and later, and writes one
// line for everything it is handed into the file that UIA_STANDIN_LOG names
// (a Windows path):
//
//   notification <kind> <processing> <sender> <text>
//   event <event> <element>
//   property <property> <element> <new value>
//   pattern ExpandCollapse <element>   an element of an event or of the tree
//                                      offers it, as a combo box does
//   root                         a client asked the window for its root...
//   tree <depth> <element>       ...which reaches these elements, depth first
//   statusbar <element>          ...and the status bar a screen reader finds
//   end
//
// An element is written as its control type, automation id and name. Fields
// are separated by tabs; texts are UTF-8. A test tool: it is never installed.
#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {
// Windows' values, which mingw-w64's headers name in their own way or not at all.
constexpr PROPERTYID controlTypeProperty = 30003;
constexpr PROPERTYID nameProperty = 30005;
constexpr PROPERTYID automationIdProperty = 30011;
constexpr long statusBarControlType = 50017;

std::string utf8(const wchar_t *text, int length)
{
    if (!text || length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), size, nullptr, nullptr);
    // One record a line, whatever the text holds.
    for (char &c : out)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    return out;
}

std::string utf8(BSTR text)
{
    return text ? utf8(text, static_cast<int>(SysStringLen(text))) : std::string();
}

std::string text(const VARIANT &value)
{
    switch (value.vt) {
    case VT_BSTR:
        return utf8(value.bstrVal);
    case VT_I4:
        return std::to_string(value.lVal);
    case VT_BOOL:
        return value.boolVal ? "true" : "false";
    case VT_R8:
        return std::to_string(value.dblVal);
    default:
        return {};
    }
}

void write(const std::string &line)
{
    static FILE *log = [] {
        const wchar_t *path = _wgetenv(L"UIA_STANDIN_LOG");
        return path ? _wfopen(path, L"ab") : nullptr;
    }();
    if (!log)
        return;
    std::fputs(line.c_str(), log);
    std::fputc('\n', log);
    std::fflush(log);
}

std::string property(IRawElementProviderSimple *element, PROPERTYID id)
{
    VARIANT value;
    VariantInit(&value);
    if (!element || FAILED(element->GetPropertyValue(id, &value)))
        return {};
    std::string out = text(value);
    VariantClear(&value);
    return out;
}

// The name at INDEX in NAMES, or NUMBER itself where NAMES has none.
template <std::size_t N> std::string nameAt(const char *const (&names)[N], long index, long number)
{
    return index >= 0 && index < static_cast<long>(N) ? names[index] : std::to_string(number);
}

long controlTypeId(IRawElementProviderSimple *element)
{
    VARIANT value;
    VariantInit(&value);
    if (!element || FAILED(element->GetPropertyValue(controlTypeProperty, &value)) ||
        value.vt != VT_I4)
        return 0;
    return value.lVal;
}

std::string controlType(IRawElementProviderSimple *element)
{
    static const char *const names[] = {
        "Button",      "Calendar",    "CheckBox",  "ComboBox", "Edit",     "Hyperlink",
        "Image",       "ListItem",    "List",      "Menu",     "MenuBar",  "MenuItem",
        "ProgressBar", "RadioButton", "ScrollBar", "Slider",   "Spinner",  "StatusBar",
        "Tab",         "TabItem",     "Text",      "ToolBar",  "ToolTip",  "Tree",
        "TreeItem",    "Custom",      "Group",     "Thumb",    "DataGrid", "DataItem",
        "Document",    "SplitButton", "Window",    "Pane",     "Header",   "HeaderItem",
        "Table",       "TitleBar",    "Separator"};
    const long id = controlTypeId(element);
    return nameAt(names, id - 50000, id);
}

std::string describe(IRawElementProviderSimple *element)
{
    if (!element)
        return "none\t\t";
    return controlType(element) + '\t' + property(element, automationIdProperty) + '\t' +
           property(element, nameProperty);
}

template <typename Interface> Interface *as(IUnknown *object)
{
    void *out = nullptr;
    if (!object || FAILED(object->QueryInterface(__uuidof(Interface), &out)))
        return nullptr;
    return static_cast<Interface *>(out);
}

IRawElementProviderSimple *simple(IRawElementProviderFragment *fragment)
{
    return as<IRawElementProviderSimple>(fragment);
}

// The pattern that makes a screen reader read an element as something to
// open, as a combo box.
void writePatterns(IRawElementProviderSimple *element)
{
    constexpr PATTERNID expandCollapsePattern = 10005;
    IUnknown *pattern = nullptr;
    if (element && SUCCEEDED(element->GetPatternProvider(expandCollapsePattern, &pattern)) &&
        pattern) {
        write("pattern\tExpandCollapse\t" + describe(element));
        pattern->Release();
    }
}

// Each element as a client walking the tree from the root meets it.
void writeTree(IRawElementProviderFragment *fragment, int depth)
{
    IRawElementProviderSimple *element = simple(fragment);
    write("tree\t" + std::to_string(depth) + '\t' + describe(element));
    writePatterns(element);
    if (element)
        element->Release();
    IRawElementProviderFragment *child = nullptr;
    fragment->Navigate(NavigateDirection_FirstChild, &child);
    while (child) {
        writeTree(child, depth + 1);
        IRawElementProviderFragment *next = nullptr;
        child->Navigate(NavigateDirection_NextSibling, &next);
        child->Release();
        child = next;
    }
}

// As NVDA reads the status bar: the element at the bottom-left corner of the
// window, or its nearest ancestor, that is a status bar.
void writeStatusBar(IRawElementProviderFragment *root)
{
    auto *fragmentRoot = as<IRawElementProviderFragmentRoot>(root);
    UiaRect bounds{};
    IRawElementProviderFragment *found = nullptr;
    if (fragmentRoot && SUCCEEDED(root->get_BoundingRectangle(&bounds)))
        fragmentRoot->ElementProviderFromPoint(bounds.left, bounds.top + bounds.height - 1, &found);
    if (fragmentRoot)
        fragmentRoot->Release();
    while (found) {
        IRawElementProviderSimple *element = simple(found);
        if (controlTypeId(element) == statusBarControlType) {
            write("statusbar\t" + describe(element));
            element->Release();
            found->Release();
            return;
        }
        if (element)
            element->Release();
        IRawElementProviderFragment *parent = nullptr;
        found->Navigate(NavigateDirection_Parent, &parent);
        found->Release();
        found = parent;
    }
    write("statusbar\tnone\t\t");
}

std::string eventName(EVENTID id)
{
    switch (id) {
    case 20005:
        return "FocusChanged";
    case 20012:
        return "ElementSelected";
    case 20014:
        return "TextSelectionChanged";
    case 20015:
        return "TextChanged";
    case 20016:
        return "WindowOpened";
    case 20017:
        return "WindowClosed";
    default:
        return std::to_string(id);
    }
}

std::string propertyName(PROPERTYID id)
{
    switch (id) {
    case nameProperty:
        return "Name";
    case 30045:
        return "Value";
    case 30047:
        return "RangeValue";
    case 30086:
        return "ToggleState";
    default:
        return std::to_string(id);
    }
}

std::string kindName(int kind)
{
    static const char *const names[] = {"ItemAdded", "ItemRemoved", "ActionCompleted",
                                        "ActionAborted", "Other"};
    return nameAt(names, kind, kind);
}

std::string processingName(int processing)
{
    static const char *const names[] = {"ImportantAll", "ImportantMostRecent", "All", "MostRecent",
                                        "CurrentThenMostRecent"};
    return nameAt(names, processing, processing);
}
} // namespace

// The functions that Qt's bridge looks up, with the system's signatures.
extern "C" {
__declspec(dllexport) BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

__declspec(dllexport) LRESULT WINAPI
    UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple *root)
{
    write("root");
    if (auto *fragment = as<IRawElementProviderFragment>(root)) {
        writeTree(fragment, 0);
        writeStatusBar(fragment);
        fragment->Release();
    }
    write("end");
    return 0;
}

__declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND, IRawElementProviderSimple **provider)
{
    if (!provider)
        return E_INVALIDARG;
    *provider = nullptr;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationEvent(IRawElementProviderSimple *element, EVENTID id)
{
    write("event\t" + eventName(id) + '\t' + describe(element));
    writePatterns(element);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple *element, PROPERTYID id,
                                           VARIANT, VARIANT newValue)
{
    write("property\t" + propertyName(id) + '\t' + describe(element) + '\t' + text(newValue));
    writePatterns(element);
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IRawElementProviderSimple *sender, NotificationKind kind,
                              NotificationProcessing processing, BSTR displayString, BSTR)
{
    write("notification\t" + kindName(kind) + '\t' + processingName(processing) + '\t' +
          describe(sender) + '\t' + utf8(displayString));
    return S_OK;
}
}
