#include "picdec/formats/JpegSession.h"

namespace picdec {

namespace {

// Progressive files can hold any number of scans; a few hundred is plenty
// for real pictures, more is an attack on the decoder's time.
constexpr long kMaxScans = 500;

constexpr JOCTET kFakeEndOfImage[2] = {0xFF, JPEG_EOI};

JpegErrorManager& ErrorsOf(j_common_ptr info) { return *reinterpret_cast<JpegErrorManager*>(info->err); }

[[noreturn]] void OnFatalError(j_common_ptr info)
{
    JpegErrorManager& errors = ErrorsOf(info);
    if (info->err->msg_code == JERR_OUT_OF_MEMORY)
        errors.fatal = Status::OutOfMemory;
    std::longjmp(errors.jump, 1);
}

Status WarningStatus(int code)
{
    switch (code) {
    case JWRN_JPEG_EOF: return Status::TruncatedData;
    case JWRN_HIT_MARKER:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_MUST_RESYNC:
    case JWRN_NOT_SEQUENTIAL:
    case JWRN_BOGUS_PROGRESSION: return Status::CorruptData;
    default: return Status::Ok;
    }
}

// Level -1 is a warning; the others are trace messages. Nothing is printed.
void OnMessage(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    JpegErrorManager& errors = ErrorsOf(info);
    const Status status = WarningStatus(info->err->msg_code);
    if (errors.warning == Status::Ok)
        errors.warning = status;
}

void OnProgress(j_common_ptr info)
{
    if (info->is_decompressor) {
        auto* decompressor = reinterpret_cast<j_decompress_ptr>(info);
        if (decompressor->input_scan_number > kMaxScans) {
            ErrorsOf(info).fatal = Status::CorruptData;
            std::longjmp(ErrorsOf(info).jump, 1);
        }
    }
}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// All bytes are given at once; asking for more means the file ended early.
boolean FillInput(j_decompress_ptr info)
{
    WARNMS(info, JWRN_JPEG_EOF);
    info->src->next_input_byte = kFakeEndOfImage;
    info->src->bytes_in_buffer = 2;
    return TRUE;
}

void SkipInput(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* source = info->src;
    if (count <= 0)
        return;
    if (static_cast<std::size_t>(count) > source->bytes_in_buffer) {
        FillInput(info);
        return;
    }
    source->next_input_byte += count;
    source->bytes_in_buffer -= static_cast<std::size_t>(count);
}

}  // namespace

JpegSession::JpegSession(Bytes file)
{
    decompressor_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = OnFatalError;
    errors_.base.emit_message = OnMessage;
    // jpeg_create_decompress cannot fail with a valid struct size.
    jpeg_create_decompress(&decompressor_);
    progress_.base.progress_monitor = OnProgress;
    decompressor_.progress = &progress_.base;
    source_.init_source = InitSource;
    source_.fill_input_buffer = FillInput;
    source_.skip_input_data = SkipInput;
    source_.resync_to_restart = jpeg_resync_to_restart;
    source_.term_source = TermSource;
    source_.next_input_byte = file.data();
    source_.bytes_in_buffer = file.size();
    decompressor_.src = &source_;
}

JpegSession::~JpegSession() { jpeg_destroy_decompress(&decompressor_); }

}  // namespace picdec
