/* The peer of the .xlsx benchmark: the same chart written with libxlsxwriter,
 * row by row in its constant-memory mode, its fastest way of writing.
 *
 * Usage: xlsxwriter_chart GENERATIONS OUTPUT.xlsx
 */
#include <stdio.h>
#include <stdlib.h>
#include <xlsxwriter.h>

static lxw_format* cellFormat(lxw_workbook* book, int fill, int edges) {
    lxw_format* format = workbook_add_format(book);
    format_set_font_name(format, "Tahoma");
    if (fill) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_fg_color(format, 0x99CC00);
    }
    if (edges == 4) format_set_border(format, LXW_BORDER_THIN);
    if (edges == 1) format_set_right(format, LXW_BORDER_THIN);
    return format;
}

int main(int argc, char* argv[]) {
    if (argc != 3 || atoi(argv[1]) < 1 || atoi(argv[1]) > 15) {
        fprintf(stderr, "usage: %s GENERATIONS OUTPUT.xlsx\n", argv[0]);
        return 2;
    }
    const int generations = atoi(argv[1]);
    lxw_workbook_options options = {.constant_memory = LXW_TRUE, .tmpdir = NULL, .use_zip64 = LXW_FALSE};
    lxw_workbook* book = workbook_new_opt(argv[2], &options);
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Sheet1");
    lxw_format* title = workbook_add_format(book);
    format_set_font_name(title, "Tahoma");
    format_set_font_size(title, 20);
    format_set_font_color(title, 0x808080);
    format_set_align(title, LXW_ALIGN_LEFT);
    lxw_format* line = workbook_add_format(book);
    format_set_font_name(line, "Tahoma");
    format_set_font_size(line, 11);
    format_set_align(line, LXW_ALIGN_LEFT);
    lxw_format* box = cellFormat(book, 1, 4);
    lxw_format* connector = cellFormat(book, 0, 1);

    worksheet_set_column(sheet, 0, 0, 2, NULL);
    worksheet_set_column(sheet, 1, 5, 24, NULL);
    worksheet_set_landscape(sheet);
    worksheet_set_paper(sheet, 9);
    worksheet_fit_to_pages(sheet, 1, 0);
    char text[64];
    snprintf(text, sizeof text, "%d Generations", generations);
    worksheet_merge_range(sheet, 1, 1, 1, 5, "Family Tree for Halvarsen", title);
    worksheet_merge_range(sheet, 2, 1, 2, 5, text, line);

    /* Column k's boxes start on row 2^k + 3 (from 0) and repeat every 2^(k+1)
     * rows; between the first and last box its right edge is drawn. */
    long maxRow = 0;
    for (int k = 0; k < generations; ++k) {
        long first = (1L << k) + 3, spacing = 2L << k;
        long last = first + ((1L << (generations - 1 - k)) - 1) * spacing;
        if (last > maxRow) maxRow = last;
    }
    for (long row = 4; row <= maxRow; ++row) {
        for (int k = 0; k < generations; ++k) {
            long first = (1L << k) + 3, spacing = 2L << k;
            long last = first + ((1L << (generations - 1 - k)) - 1) * spacing;
            if (row < first || row > last) continue;
            worksheet_write_blank(sheet, (lxw_row_t)row, (lxw_col_t)(1 + k),
                                  (row - first) % spacing == 0 ? box : connector);
        }
    }
    return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
