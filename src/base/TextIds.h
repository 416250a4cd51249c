// The numbers of the program's texts in its string tables (resources/Texts.rc), one for
// each text the presenter reads. Plain macros: the resource compiler reads this file too.
// Placeholders %1, %2 ... are filled by Formatted (base/Text.h).
#pragma once

// The control bar: its panels and the menu items of the same commands, then the menu
// items that have no panel.
#define IDS_BAR_CLOSE 100
#define IDS_BAR_SETTINGS 101
#define IDS_BAR_PICTURE 102
#define IDS_BAR_HALO 103
#define IDS_BAR_PEN 104
#define IDS_BAR_HELP 105
#define IDS_MENU_CLOSE 106
#define IDS_MENU_SETTINGS 107
#define IDS_MENU_PICTURE 108
#define IDS_MENU_HALO 109
#define IDS_MENU_PEN 110
#define IDS_MENU_HELP 111
#define IDS_MENU_SPOTLIGHT 112
#define IDS_MENU_LASER 113
#define IDS_MENU_CLICK_RINGS 114

// The shell's messages.
#define IDS_FIRST_COPY_NOT_ANSWERING 120
#define IDS_TAKEN_KEYS_OPENING 121
#define IDS_TAKEN_KEY_LINE 122
#define IDS_TAKEN_KEYS_CLOSING 123

// What each hot key does, in the words of the taken-keys message.
#define IDS_KEY_PICTURE 130
#define IDS_KEY_HALO 131
#define IDS_KEY_KEYBOARD_MOUSE 132
#define IDS_KEY_CLICK 133
#define IDS_KEY_PEN 134
#define IDS_KEY_LEFT 135
#define IDS_KEY_RIGHT 136
#define IDS_KEY_UP 137
#define IDS_KEY_DOWN 138
#define IDS_KEY_SPOTLIGHT 139
#define IDS_KEY_LASER 140
#define IDS_KEY_CLICK_RINGS 141

// The help window: its text in three parts, and the face of its fonts and of the other
// windows' texts.
#define IDS_HELP_ABOUT 150
#define IDS_HELP_EFFECTS 151
#define IDS_HELP_PEN_KEYS 152
#define IDS_FONT_FACE 153

// The settings window.
#define IDS_SETTINGS_TITLE 160
#define IDS_START 161
#define IDS_STOP 162
#define IDS_SAVE 163
#define IDS_BROWSE 164
#define IDS_START_WITH_WINDOWS 165
#define IDS_CURRENT_COLOR 166
#define IDS_HALO_HEADING 167
#define IDS_HALO_COLOR_HINT 168
#define IDS_HALO_SIZE_LABEL 169
#define IDS_HALO_SIZE_RANGE 170
#define IDS_HALO_ALPHA_LABEL 171
#define IDS_HALO_ALPHA_RANGE 172
#define IDS_PICTURE_HEADING 173
#define IDS_PICTURE_CHANGE 174
#define IDS_PICTURE_OFFSET_LABEL 175
#define IDS_PICTURE_OFFSET_RANGE 176
#define IDS_PICTURE_FILTER 177
#define IDS_EFFECTS_HEADING 178
#define IDS_SPOTLIGHT_DIM 179
#define IDS_SPOTLIGHT_RADIUS 180
#define IDS_LASER_SIZE 181
#define IDS_SPOTLIGHT_DIM_RANGE 182
#define IDS_SPOTLIGHT_RADIUS_RANGE 183
#define IDS_LASER_SIZE_RANGE 184
#define IDS_LASER_COLOR_LABEL 185
#define IDS_LEFT_RING_LABEL 186
#define IDS_RIGHT_RING_LABEL 187
#define IDS_EFFECT_COLOR_HINT 188
#define IDS_LANGUAGE_LABEL 189
#define IDS_LANGUAGE_AUTOMATIC 190
#define IDS_LANGUAGE_NOTE 191
#define IDS_LANGUAGE_CHINESE 192
#define IDS_LANGUAGE_ENGLISH 193

// What the settings window's save buttons answer, and its picture copy's messages.
#define IDS_HALO_BOXES_EMPTY 200
#define IDS_HALO_SIZE_OUT_OF_RANGE 201
#define IDS_HALO_ALPHA_OUT_OF_RANGE 202
#define IDS_OFFSET_EMPTY 203
#define IDS_OFFSET_OUT_OF_RANGE 204
#define IDS_EFFECT_BOXES_EMPTY 205
#define IDS_OUT_OF_RANGE 206
#define IDS_PICTURE_REPLACE 207
#define IDS_PICTURE_COPY_FAILED 208

// The start-up report of stored values that fell back: the opening line, one line a value,
// and the names of the values.
#define IDS_STORED_OPENING 220
#define IDS_STORED_LINE 221
#define IDS_STORED_HALO_COLOR 222
#define IDS_STORED_HALO_ALPHA 223
#define IDS_STORED_HALO_SIZE 224
#define IDS_STORED_PICTURE_OFFSET 225
#define IDS_STORED_SPOTLIGHT_DIM 226
#define IDS_STORED_SPOTLIGHT_RADIUS 227
#define IDS_STORED_LASER_COLOR 228
#define IDS_STORED_LASER_SIZE 229
#define IDS_STORED_LEFT_RING_COLOR 230
#define IDS_STORED_RIGHT_RING_COLOR 231
#define IDS_STORED_LANGUAGE 232

// The pen's palette: its title, the tool buttons' hints, the labels and the style lists.
#define IDS_PALETTE_TITLE 240
#define IDS_HINT_PEN 241
#define IDS_HINT_LINE 242
#define IDS_HINT_RECTANGLE 243
#define IDS_HINT_ELLIPSE 244
#define IDS_HINT_ROUND_RECT 245
#define IDS_HINT_REFRESH 246
#define IDS_HINT_ARROW 247
#define IDS_HINT_DOUBLE_ARROW 248
#define IDS_HINT_BOARD 249
#define IDS_HINT_ERASER 250
#define IDS_HINT_HELP 251
#define IDS_PEN_COLOR_LABEL 252
#define IDS_PEN_STYLE_LABEL 253
#define IDS_PEN_WIDTH_LABEL 254
#define IDS_BRUSH_COLOR_LABEL 255
#define IDS_BRUSH_STYLE_LABEL 256
#define IDS_PEN_STYLE_SOLID 257
#define IDS_PEN_STYLE_DASH 258
#define IDS_PEN_STYLE_DOT 259
#define IDS_PEN_STYLE_DASH_DOT 260
#define IDS_PEN_STYLE_DASH_DOT_DOT 261
#define IDS_BRUSH_STYLE_SOLID 262
#define IDS_BRUSH_STYLE_HOLLOW 263
#define IDS_BRUSH_STYLE_HORIZONTAL 264
#define IDS_BRUSH_STYLE_VERTICAL 265
#define IDS_BRUSH_STYLE_BACK_DIAGONAL 266
#define IDS_BRUSH_STYLE_CROSS 267
#define IDS_BRUSH_STYLE_DIAGONAL_CROSS 268
// The names a screen reader reads for the palette's controls that show no text.
#define IDS_NAME_TEXT_TOOL 269
#define IDS_NAME_CLOSE_PEN 270
#define IDS_NAME_PEN_COLOR 271
#define IDS_NAME_BRUSH_COLOR 272

// Saving, copying and bringing back the pen's picture.
#define IDS_SAVED 280
#define IDS_SAVED_ELSEWHERE 281
#define IDS_SAVE_FILTER 282
#define IDS_SAVE_FAILED 283
#define IDS_KEEP_FAILED 284
#define IDS_SAVE_NO_FOLDER 285
#define IDS_KEEP_NO_FOLDER 286
#define IDS_HELD_FOR_THIS_RUN 287
#define IDS_CLIPBOARD_HELD 288
#define IDS_KEPT_UNREADABLE 289
#define IDS_KEPT_DAMAGED 290
#define IDS_NO_KEPT_DRAWING 291
#define IDS_SAVE_NOTE_TITLE 292
#define IDS_STORED_KEY_UNKNOWN 293
#define IDS_STORED_KEY_LINE 294
#define IDS_KEY_REASON_INVALID 295
#define IDS_KEY_REASON_TYPING 296
#define IDS_KEY_REASON_TAKEN 297
#define IDS_START_WITH_WINDOWS_FAILED 298
// The keys the presenter chooses.
#define IDS_KEY_PAUSE 299
#define IDS_MENU_KEYS 300
#define IDS_MENU_PAUSE_KEYS 301
#define IDS_KEYS_TITLE 302
#define IDS_KEYS_HINT 303
#define IDS_KEYS_NONE 304
#define IDS_KEYS_RESTORE 305
#define IDS_KEYS_BUTTON 306
#define IDS_KEY_REFUSED_OTHER 307
#define IDS_KEY_REFUSED_TYPING 308
#define IDS_KEY_REFUSED_HELD 309
#define IDS_KEY_NONE_QUOTED 310
#define IDS_TAKEN_KEYS_WHERE 311
#define IDS_TRAY_TIP_PAUSED 312
#define IDS_HELP_KEYS_IN_USE 313
#define IDS_HELP_KEY_LINE 314
#define IDS_HELP_KEYS_PAUSED 315
