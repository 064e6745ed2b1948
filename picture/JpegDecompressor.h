#pragma once
// A libjpeg decompressor over bytes in memory, destroyed with this object.
// libjpeg leaves a failing call by jumping back into the method that entered
// it; the method then raises EJPEG with libjpeg's message code. No C++
// exception ever unwinds through libjpeg's frames.
#include "picture/JpegMemorySource.h"

#include <csetjmp>
#include <exception>
#include <functional>

class TJpegDecompressor {
public:
    // Called from libjpeg's progress monitor. What it raises is held until
    // libjpeg has been left, then raised from the method that was running.
    using TProgressHook = std::function<void(const jpeg_decompress_struct& info)>;

    explicit TJpegDecompressor(std::span<const std::uint8_t> bytes);
    ~TJpegDecompressor();
    TJpegDecompressor(const TJpegDecompressor&) = delete;
    TJpegDecompressor& operator=(const TJpegDecompressor&) = delete;

    // The decompression parameters, to be set between ReadHeader and StartDecompress.
    jpeg_decompress_struct& Info() { return FInfo; }
    void SetProgressHook(TProgressHook hook);

    void ReadHeader();
    bool HasMultipleScans();
    // The output size for the parameters set, as StartDecompress will find it.
    void CalcOutputDimensions();
    void StartDecompress();
    JDIMENSION ReadScanlines(JSAMPARRAY rows, JDIMENSION count);
    void FinishDecompress();
    // Buffered-image mode.
    void StartOutput(int scan);
    void FinishOutput();
    bool InputComplete();

private:
    struct TErrorManager : jpeg_error_mgr {
        std::jmp_buf Jump;
    };
    struct TProgressManager : jpeg_progress_mgr {
        TJpegDecompressor* Owner;
    };

    // Runs one libjpeg call; setjmp must sit in a frame that is live when libjpeg jumps.
    template <class TStep>
    auto Call(TStep step) -> decltype(step())
    {
        if (setjmp(FError.Jump))
            RaiseFailure();
        return step();
    }
    [[noreturn]] void RaiseFailure();

    static void ErrorExit(j_common_ptr info);
    static void EmitMessage(j_common_ptr info, int level);
    static void OutputMessage(j_common_ptr info);
    static void ProgressMonitor(j_common_ptr info);

    TErrorManager FError{};
    TProgressManager FProgress{};
    TJpegMemorySource FSource{};
    TProgressHook FProgressHook;
    std::exception_ptr FHookFailure;
    jpeg_decompress_struct FInfo{};
};
