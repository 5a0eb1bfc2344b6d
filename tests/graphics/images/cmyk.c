/* Rewrites a CMYK JPEG that is stored as YCCK (as ImageMagick writes them) as plain CMYK, the
 * inks passed through as they are stored (inverted, as the Adobe marker says):
 *   cc cmyk.c -ljpeg -o cmyk && ./cmyk < jpeg_ycck.jpg > jpeg_cmyk.jpg */
#include <stdio.h>
#include <stdlib.h>
#include <jpeglib.h>

int main(void) {
    struct jpeg_decompress_struct in;
    struct jpeg_compress_struct out;
    struct jpeg_error_mgr in_errors, out_errors;
    in.err = jpeg_std_error(&in_errors);
    jpeg_create_decompress(&in);
    jpeg_stdio_src(&in, stdin);
    jpeg_read_header(&in, TRUE);
    in.out_color_space = JCS_CMYK;
    jpeg_start_decompress(&in);
    out.err = jpeg_std_error(&out_errors);
    jpeg_create_compress(&out);
    jpeg_stdio_dest(&out, stdout);
    out.image_width = in.output_width;
    out.image_height = in.output_height;
    out.input_components = 4;
    out.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&out);
    jpeg_set_colorspace(&out, JCS_CMYK);
    jpeg_set_quality(&out, 95, TRUE);
    jpeg_start_compress(&out, TRUE);
    JSAMPROW row = malloc(in.output_width * 4);
    while (in.output_scanline < in.output_height) {
        jpeg_read_scanlines(&in, &row, 1);
        jpeg_write_scanlines(&out, &row, 1);
    }
    jpeg_finish_compress(&out);
    jpeg_finish_decompress(&in);
    free(row);
    return 0;
}
