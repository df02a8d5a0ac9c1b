#include "screen_picture.h"

#include <wincodec.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "win/com_ptr.h"
#include "win/handles.h"

namespace vask::test {
namespace {

// The imaging component wants COM on the calling thread.
struct ComScope {
    ComScope() : result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result)) CoUninitialize();
    }
    HRESULT result;
};

win::ComPtr<IWICImagingFactory> imagingFactory() {
    win::ComPtr<IWICImagingFactory> factory;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IWICImagingFactory),
                     factory.put());
    return factory;
}

void check(HRESULT result, const char* what) {
    if (FAILED(result)) throw std::runtime_error(std::string("writing a PNG: ") + what + " failed");
}

// COLORREF is 0x00BBGGRR; the files' pixels are B, G, R, A bytes.
uint32_t toBgra(COLORREF color) {
    return 0xFF000000u | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}
COLORREF fromBgra(uint32_t pixel) { return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF); }

}  // namespace

ScreenPicture captureScreen(const RECT& area) {
    ScreenPicture picture{area.right - area.left, area.bottom - area.top, {}};
    if (picture.width <= 0 || picture.height <= 0) return {};
    const win::WindowDc screen(nullptr);
    const win::MemoryDc memory(CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const win::Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    {
        const win::SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, picture.width, picture.height, screen.get(), area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    const auto* pixels = static_cast<const uint32_t*>(bits);
    picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < static_cast<size_t>(picture.width) * picture.height; ++i)
        picture.pixels.push_back(fromBgra(pixels[i]));
    return picture;
}

ScreenPicture captureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return captureScreen(client);
}

std::optional<ScreenPicture> readPng(const std::wstring& path) {
    const ComScope com;
    const auto factory = imagingFactory();
    win::ComPtr<IWICBitmapDecoder> decoder;
    win::ComPtr<IWICBitmapFrameDecode> frame;
    win::ComPtr<IWICFormatConverter> converter;
    UINT width = 0, height = 0;
    if (!factory ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  decoder.putTyped())) ||
        FAILED(decoder->GetFrame(0, frame.putTyped())) ||
        FAILED(factory->CreateFormatConverter(converter.putTyped())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return std::nullopt;
    std::vector<uint32_t> bgra(static_cast<size_t>(width) * height);
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(bgra.size() * 4),
                                     reinterpret_cast<BYTE*>(bgra.data()))))
        return std::nullopt;
    ScreenPicture picture{static_cast<int>(width), static_cast<int>(height), {}};
    picture.pixels.reserve(bgra.size());
    for (const uint32_t pixel : bgra) picture.pixels.push_back(fromBgra(pixel));
    return picture;
}

void writePng(const std::wstring& path, const ScreenPicture& picture) {
    const ComScope com;
    const auto factory = imagingFactory();
    if (!factory) throw std::runtime_error("writing a PNG: no imaging component");
    win::ComPtr<IWICStream> stream;
    win::ComPtr<IWICBitmapEncoder> encoder;
    win::ComPtr<IWICBitmapFrameEncode> frame;
    check(factory->CreateStream(stream.putTyped()), "CreateStream");
    check(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE), "opening the file");
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.putTyped()), "CreateEncoder");
    check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache), "Initialize");
    check(encoder->CreateNewFrame(frame.putTyped(), nullptr), "CreateNewFrame");
    check(frame->Initialize(nullptr), "frame Initialize");
    check(frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height)), "SetSize");
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
    check(frame->SetPixelFormat(&format), "SetPixelFormat");
    std::vector<uint32_t> bgra;
    bgra.reserve(picture.pixels.size());
    for (const COLORREF color : picture.pixels) bgra.push_back(toBgra(color));
    check(frame->WritePixels(static_cast<UINT>(picture.height), static_cast<UINT>(picture.width) * 4,
                             static_cast<UINT>(bgra.size() * 4), reinterpret_cast<BYTE*>(bgra.data())),
          "WritePixels");
    check(frame->Commit(), "frame Commit");
    check(encoder->Commit(), "Commit");
}

size_t differingPixels(const ScreenPicture& a, const ScreenPicture& b, int tolerance) {
    if (a.width != b.width || a.height != b.height) return std::max(a.pixels.size(), b.pixels.size());
    size_t count = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        const COLORREF p = a.pixels[i], q = b.pixels[i];
        const int most = std::max({std::abs(GetRValue(p) - GetRValue(q)), std::abs(GetGValue(p) - GetGValue(q)),
                                   std::abs(GetBValue(p) - GetBValue(q))});
        count += most > tolerance;
    }
    return count;
}

}  // namespace vask::test
