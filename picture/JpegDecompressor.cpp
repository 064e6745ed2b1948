#include "picture/JpegDecompressor.h"

#include "core/PictureErrors.h"

#include <utility>

TJpegDecompressor::TJpegDecompressor(std::span<const std::uint8_t> bytes)
{
    FInfo.err = jpeg_std_error(&FError);
    FError.error_exit = ErrorExit;
    FError.emit_message = EmitMessage;
    FError.output_message = OutputMessage;
    if (setjmp(FError.Jump)) {
        jpeg_destroy_decompress(&FInfo);
        RaiseFailure();
    }
    jpeg_create_decompress(&FInfo);
    AttachMemorySource(FInfo, FSource, bytes);
}

TJpegDecompressor::~TJpegDecompressor()
{
    jpeg_destroy_decompress(&FInfo);
}

void TJpegDecompressor::SetProgressHook(TProgressHook hook)
{
    FProgressHook = std::move(hook);
    FProgress.progress_monitor = ProgressMonitor;
    FProgress.Owner = this;
    FInfo.progress = &FProgress;
}

void TJpegDecompressor::ReadHeader()
{
    Call([this] { jpeg_read_header(&FInfo, TRUE); });
}

bool TJpegDecompressor::HasMultipleScans()
{
    return Call([this] { return jpeg_has_multiple_scans(&FInfo) != FALSE; });
}

void TJpegDecompressor::CalcOutputDimensions()
{
    Call([this] { jpeg_calc_output_dimensions(&FInfo); });
}

void TJpegDecompressor::StartDecompress()
{
    Call([this] { jpeg_start_decompress(&FInfo); });
}

JDIMENSION TJpegDecompressor::ReadScanlines(JSAMPARRAY rows, JDIMENSION count)
{
    return Call([this, rows, count] { return jpeg_read_scanlines(&FInfo, rows, count); });
}

void TJpegDecompressor::FinishDecompress()
{
    Call([this] { jpeg_finish_decompress(&FInfo); });
}

void TJpegDecompressor::StartOutput(int scan)
{
    Call([this, scan] { jpeg_start_output(&FInfo, scan); });
}

void TJpegDecompressor::FinishOutput()
{
    Call([this] { jpeg_finish_output(&FInfo); });
}

bool TJpegDecompressor::InputComplete()
{
    return Call([this] { return jpeg_input_complete(&FInfo) != FALSE; });
}

void TJpegDecompressor::RaiseFailure()
{
    if (FHookFailure)
        std::rethrow_exception(std::exchange(FHookFailure, nullptr));
    throw EJPEG(FError.msg_code);
}

void TJpegDecompressor::ErrorExit(j_common_ptr info)
{
    std::longjmp(static_cast<TErrorManager*>(info->err)->Jump, 1);
}

// Warnings, such as the fake end marker after a truncated file, are ignored.
void TJpegDecompressor::EmitMessage(j_common_ptr, int) {}

void TJpegDecompressor::OutputMessage(j_common_ptr) {}

void TJpegDecompressor::ProgressMonitor(j_common_ptr info)
{
    TJpegDecompressor& self = *static_cast<TProgressManager*>(info->progress)->Owner;
    try {
        self.FProgressHook(self.FInfo);
    } catch (...) {
        self.FHookFailure = std::current_exception();
    }
    // Jump only once the handler's frames and the caught exception are gone.
    if (self.FHookFailure)
        std::longjmp(self.FError.Jump, 1);
}
