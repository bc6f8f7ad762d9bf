#include "engine/jpeg_completeness.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// After jpeglib.h, whose configuration decides which messages exist; the
// internal header for the entropy decoder's per-MCU call.
#include <jerror.h>
#include <jpegint.h>

namespace {

uint64_t divideRoundingUp(uint64_t a, uint64_t b) { return (a + b - 1) / b; }

// Blocks of the scan: whole MCUs of every component when it interleaves
// several, the component's own blocks when it codes one.
uint64_t blocksOf(const JpegLayout& layout, const JpegScan& scan) {
  int hMax = 1, vMax = 1;
  for (const JpegComponent& c : layout.components) {
    hMax = std::max(hMax, c.h);
    vMax = std::max(vMax, c.v);
  }
  if (scan.components.size() == 1) {
    const JpegComponent& c = layout.components[scan.components[0]];
    return divideRoundingUp(divideRoundingUp(uint64_t{layout.width} * c.h, hMax), 8) *
           divideRoundingUp(divideRoundingUp(uint64_t{layout.height} * c.v, vMax), 8);
  }
  uint64_t mcus = divideRoundingUp(layout.width, 8 * hMax) * divideRoundingUp(layout.height, 8 * vMax);
  uint64_t perMcu = 0;
  for (int index : scan.components) perMcu += layout.components[index].h * layout.components[index].v;
  return mcus * perMcu;
}

// The decoding state the library's callbacks reach through the error
// manager, which it hands back to them.
struct Check {
  jpeg_error_mgr errors;  // first, so its address is the check's
  jpeg_progress_mgr progress;
  jmp_buf stop;
  const unsigned char* data;
  size_t size;
  unsigned scannedComponents;  // a bit for each component of a scan read to its end
  int scan;                    // the scan number the library is reading
  size_t scanStart;            // where its coded data starts
  uint64_t mcus;               // MCUs of the scan decoded so far
  boolean (*decodeMcu)(j_decompress_ptr, JBLOCKROW*);  // the library's own
};

Check& checkOf(j_common_ptr cinfo) { return *reinterpret_cast<Check*>(cinfo->err); }

[[noreturn]] void stop(j_common_ptr cinfo) { longjmp(checkOf(cinfo).stop, 1); }

void onError(j_common_ptr cinfo) {
  // The decoder of record reads past a marker it does not know, taking the
  // segment for junk; the check must see the same picture.
  if (cinfo->err->msg_code != JERR_UNKNOWN_MARKER) stop(cinfo);
}

bool losesData(int code) {
  return code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE || code == JWRN_ARITH_BAD_CODE ||
         code == JWRN_MUST_RESYNC || code == JWRN_BOGUS_PROGRESSION;
}

void onMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && losesData(cinfo->err->msg_code)) stop(cinfo);
}

void printNothing(j_common_ptr) {}

// How far the library has read the data; all of it once it has run out.
size_t readSoFar(j_decompress_ptr cinfo, const Check& check) {
  const JOCTET* next = cinfo->src->next_input_byte;
  bool inData = next >= check.data && next <= check.data + check.size;
  return inData ? static_cast<size_t>(next - check.data) : check.size;
}

bool isRestart(int marker) { return marker >= 0xD0 && marker <= 0xD7; }

// Arithmetic coding may legally meet the next marker before the end of a
// scan (the decoder reads zeros after it), so only where the data ended
// tells a cut scan: a marker other than a restart marker met with more
// MCUs left than the decoder's read-ahead of a few bytes can span, at the
// density of the MCUs the data did code. Scans that may leave blocks
// untouched (progressive AC and refinement scans) cost no rows when cut.
boolean decodeMcuWatchingTheEnd(j_decompress_ptr cinfo, JBLOCKROW* blocks) {
  Check& check = checkOf(reinterpret_cast<j_common_ptr>(cinfo));
  boolean decoded = check.decodeMcu(cinfo, blocks);
  check.mcus++;
  int marker = cinfo->unread_marker;
  bool codesEveryBlock = !cinfo->progressive_mode || (cinfo->Ss == 0 && cinfo->Ah == 0);
  if (marker == 0 || isRestart(marker) || !codesEveryBlock) return decoded;
  const uint64_t readAhead = 8;
  uint64_t total = uint64_t{cinfo->MCUs_per_row} * cinfo->MCU_rows_in_scan;
  uint64_t bytes = std::max<uint64_t>(readSoFar(cinfo, check) - check.scanStart, 1);
  if (total > check.mcus && total - check.mcus > readAhead * check.mcus / bytes)
    stop(reinterpret_cast<j_common_ptr>(cinfo));
  return decoded;
}

// Called before the library reads each row of MCUs.
void onProgress(j_common_ptr common) {
  j_decompress_ptr cinfo = reinterpret_cast<j_decompress_ptr>(common);
  Check& check = checkOf(common);
  if (cinfo->input_scan_number != check.scan) {
    check.scan = cinfo->input_scan_number;
    check.scanStart = readSoFar(cinfo, check);
    check.mcus = 0;
  }
  // Each scan's start sets the entropy decoder's call afresh.
  if (cinfo->arith_code && cinfo->entropy->decode_mcu != decodeMcuWatchingTheEnd) {
    check.decodeMcu = cinfo->entropy->decode_mcu;
    cinfo->entropy->decode_mcu = decodeMcuWatchingTheEnd;
  }
  if (cinfo->input_iMCU_row >= cinfo->total_iMCU_rows)
    for (int i = 0; i < cinfo->comps_in_scan; i++)
      check.scannedComponents |= 1u << cinfo->cur_comp_info[i]->component_index;
}

bool everyCoefficientComplete(j_decompress_ptr cinfo) {
  for (int c = 0; c < cinfo->num_components; c++)
    for (int k = 0; k < DCTSIZE2; k++)
      if (cinfo->coef_bits[c][k] != 0) return false;
  return true;
}

}  // namespace

bool dataCanCoverFrame(const JpegLayout& layout) {
  if (layout.arithmetic()) return true;
  for (const JpegScan& scan : layout.scans) {
    // Progressive AC scans may code a run of empty blocks in a few bits.
    bool codesDc = !layout.progressive() || scan.Ss == 0;
    if (codesDc && blocksOf(layout, scan) > uint64_t{scan.dataBytes} * 8) return false;
  }
  return true;
}

bool pictureIsWhole(const unsigned char* data, size_t size) {
  jpeg_decompress_struct cinfo;
  Check check;
  cinfo.err = jpeg_std_error(&check.errors);
  check.errors.error_exit = onError;
  check.errors.emit_message = onMessage;
  check.errors.output_message = printNothing;
  check.progress.progress_monitor = onProgress;
  check.data = data;
  check.size = size;
  check.scannedComponents = 0;
  check.scan = 0;
  check.scanStart = 0;
  check.mcus = 0;
  check.decodeMcu = nullptr;
  if (setjmp(check.stop)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  cinfo.progress = &check.progress;
  jpeg_mem_src(&cinfo, data, size);
  jpeg_read_header(&cinfo, TRUE);
  cinfo.scale_num = 1;
  cinfo.scale_denom = 8;
  cinfo.do_fancy_upsampling = FALSE;
  // Luminance alone spares the IDCT of the colour components; the coded
  // data of every component is decoded all the same.
  if (cinfo.jpeg_color_space == JCS_YCbCr || cinfo.jpeg_color_space == JCS_GRAYSCALE)
    cinfo.out_color_space = JCS_GRAYSCALE;
  bool multipleScans = jpeg_has_multiple_scans(&cinfo);
  // With several scans this reads them all, up to the end of the data.
  jpeg_start_decompress(&cinfo);
  bool whole = true;
  if (cinfo.progressive_mode) {
    whole = everyCoefficientComplete(&cinfo);
  } else if (multipleScans) {
    whole = check.scannedComponents == (1u << cinfo.num_components) - 1;
  } else {
    JSAMPARRAY rows = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                 cinfo.output_width * cinfo.output_components, 16);
    while (cinfo.output_scanline < cinfo.output_height) jpeg_read_scanlines(&cinfo, rows, 16);
    // Reads what follows the scan: a second scan there is an error.
    jpeg_finish_decompress(&cinfo);
  }
  jpeg_destroy_decompress(&cinfo);
  return whole;
}
