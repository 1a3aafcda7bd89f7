-- A file written after the workspace's symbols were listed is in the next list.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

c.run(function()
  c.start(c.workspace('examples'))
  c.open('src/main.cpp')
  c.equal(c.workspace_symbols('area'), { 'Area src/shape.cpp:47', 'TotalArea src/shape.cpp:59' },
    'workspace symbols matching "area"')
  c.open('src/square.cpp')
  vim.api.nvim_buf_set_lines(0, 0, -1, false,
    { 'double SquareArea(double side)', '{', '    return side * side;', '}' })
  vim.cmd('write')
  c.equal(c.workspace_symbols('area'),
    { 'Area src/shape.cpp:47', 'SquareArea src/square.cpp:1', 'TotalArea src/shape.cpp:59' },
    'workspace symbols matching "area" once src/square.cpp is written')
end)
