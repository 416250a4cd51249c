-- The settings database laid out beside the program: one row (key 1) in each table.
-- Every value is kept as text; the program reads and writes them as text.
CREATE TABLE GBgs (
  GBgsID INTEGER PRIMARY KEY,
  FileN  TEXT NOT NULL,   -- follower picture, relative to the program's folder
  SHu    TEXT NOT NULL    -- pixels from the picture's top-left corner to the pointer
);
CREATE TABLE GBtx (
  GBtxID INTEGER PRIMARY KEY,
  ColoeN TEXT NOT NULL,   -- halo colour as 0x00BBGGRR in decimal: 65535 is yellow
  TouM   TEXT NOT NULL,   -- halo opacity, 0 (invisible) to 255 (opaque)
  Ghdx   TEXT NOT NULL    -- halo diameter in pixels
);
INSERT INTO GBgs (GBgsID, FileN, SHu) VALUES (1, 'pic\arrow.png', '65');
INSERT INTO GBtx (GBtxID, ColoeN, TouM, Ghdx) VALUES (1, '65535', '150', '100');
