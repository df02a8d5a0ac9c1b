#include "win/opensearch_file.h"

#include <windows.h>
#include <objidl.h>
#include <xmllite.h>

#include <cstdio>
#include <stdexcept>

#include "win/com_ptr.h"
#include "win/files.h"
#include "win/handles.h"
#include "win/proc_address.h"
#include "win/text.h"

namespace vask::win {
namespace {

// IID_IXmlReader, spelled out: the SDK only declares it.
constexpr GUID XmlReaderId{0x7279fc81, 0x709d, 0x4095, {0xb6, 0x3d, 0x69, 0xfe, 0x4b, 0x0d, 0x90, 0x30}};
constexpr LONG_PTR MaxDepth = 64;

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
using CreateMemStreamFunction = IStream*(WINAPI*)(const BYTE*, UINT);

struct XmlApi {
    CreateXmlReaderFunction createXmlReader;
    CreateMemStreamFunction createMemStream;
};

const XmlApi& xmlApi() {
    // xmllite is no known DLL: only the system folder's copy is taken.
    static const Module xmllite(LoadLibraryExW(L"xmllite.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    static const Module shlwapi(LoadLibraryW(L"shlwapi.dll"));
    static const XmlApi api{procAddress<CreateXmlReaderFunction>(xmllite.get(), "CreateXmlReader"),
                            procAddress<CreateMemStreamFunction>(shlwapi.get(), "SHCreateMemStream")};
    return api;
}

[[noreturn]] void fail(const std::string& file, const std::string& why) { throw std::runtime_error(file + ": " + why); }

class DescriptionReader {
public:
    DescriptionReader(IXmlReader& reader, std::string file) : reader_(reader), file_(std::move(file)) {}

    OpenSearchDescription read() {
        XmlNodeType type{};
        HRESULT result;
        while ((result = reader_.Read(&type)) == S_OK) {
            if (type == XmlNodeType_Element) {
                element();
            } else if (type == XmlNodeType_EndElement) {
                --depth_;
                inShortName_ = false;
            } else if ((type == XmlNodeType_Text || type == XmlNodeType_CDATA) && inShortName_) {
                description_.shortName += toUtf8(value());
            }
        }
        if (FAILED(result)) fail(file_, "this is not well-formed XML (error " + hex(result) + ").");
        if (!sawRoot_) fail(file_, "this is no OpenSearch description.");
        return std::move(description_);
    }

private:
    void element() {
        const std::wstring name = localName();
        const bool empty = reader_.IsEmptyElement() != FALSE;
        if (depth_ == 0) {
            if (name != L"OpenSearchDescription" && name != L"SearchPlugin")
                fail(file_, "this is no OpenSearch description.");
            sawRoot_ = true;
        } else if (depth_ == 1 && name == L"ShortName") {
            inShortName_ = !empty;
        } else if (depth_ == 1 && name == L"Url") {
            description_.urls.push_back({attribute(L"type"), attribute(L"method"), attribute(L"template"), {}});
        } else if (depth_ == 2 && name == L"Param" && !description_.urls.empty()) {
            description_.urls.back().params.emplace_back(attribute(L"name"), attribute(L"value"));
        }
        if (!empty) ++depth_;
    }

    std::wstring localName() {
        const wchar_t* text = nullptr;
        if (FAILED(reader_.GetLocalName(&text, nullptr)) || !text) return {};
        return text;
    }

    std::wstring value() {
        const wchar_t* text = nullptr;
        if (FAILED(reader_.GetValue(&text, nullptr)) || !text) return {};
        return text;
    }

    std::string attribute(const wchar_t* name) {
        std::string text;
        if (reader_.MoveToAttributeByName(name, nullptr) == S_OK) text = toUtf8(value());
        reader_.MoveToElement();
        return text;
    }

    static std::string hex(HRESULT result) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(result));
        return text;
    }

    IXmlReader& reader_;
    std::string file_;
    OpenSearchDescription description_;
    int depth_ = 0;
    bool sawRoot_ = false;
    bool inShortName_ = false;
};

}  // namespace

OpenSearchDescription readOpenSearchFile(const std::wstring& path) {
    const std::string file = quotedName(path);
    // Checked before reading: a big file is refused without reading it.
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    const bool tooBig = GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes) &&
                        (attributes.nFileSizeHigh != 0 || attributes.nFileSizeLow > MaxOpenSearchFileBytes);
    const std::string bytes = tooBig ? std::string() : readFileOrThrow(path);
    if (tooBig || bytes.size() > MaxOpenSearchFileBytes)
        fail(file, "the file is over 1 MB, too big for a search description.");

    const XmlApi& api = xmlApi();
    if (!api.createXmlReader || !api.createMemStream) fail(file, "the system's XML reader (xmllite.dll) is missing.");
    ComPtr<IStream> stream(
        api.createMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size())));
    ComPtr<IXmlReader> reader;
    if (!stream || FAILED(api.createXmlReader(XmlReaderId, reader.put(), nullptr)))
        fail(file, "the system's XML reader could not be started.");
    // Entities and DTDs stay unread: a description needs neither.
    reader->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    reader->SetProperty(XmlReaderProperty_MaxElementDepth, MaxDepth);
    if (FAILED(reader->SetInput(stream.get()))) fail(file, "the system's XML reader could not read it.");
    return DescriptionReader(*reader.get(), file).read();
}

}  // namespace vask::win
