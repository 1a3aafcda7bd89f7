-- The document's symbols with their nesting: namespaces and classes declared in a header,
-- and classes made of the members a source file defines; the workspace's symbols by a filter.
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

-- One line per symbol, indented by its depth, with the line it starts on.
local function outline(symbols, depth, lines)
  for _, symbol in ipairs(symbols or {}) do
    c.check(symbol.range and symbol.selectionRange, 'not a document symbol: %s', vim.inspect(symbol))
    table.insert(lines, string.rep('  ', depth) .. symbol.name .. ' ' .. (symbol.range.start.line + 1))
    outline(symbol.children, depth + 1, lines)
  end
  return lines
end

local function symbols_of(path)
  c.open(path)
  return c.request('textDocument/documentSymbol', { textDocument = { uri = vim.uri_from_bufnr(0) } })
end

c.run(function()
  c.start(c.workspace('examples'))
  c.equal(outline(symbols_of('include/shape.h'), 0, {}), { 'demo 7', '  Shape 9', '  Circle 31' },
    'symbols of include/shape.h')

  local circle
  for _, symbol in ipairs(symbols_of('src/shape.cpp')[1].children or {}) do
    circle = circle or (symbol.name == 'Circle' and symbol or nil)
  end
  c.check(circle, 'no class Circle in namespace demo of src/shape.cpp')
  c.equal(outline({ circle }, 0, {}),
    { 'Circle 38', '  Circle 38', '  ~Circle 43', '  Area 47', '  Describe 52' },
    'class Circle of src/shape.cpp')

  c.equal(c.workspace_symbols('area'), { 'Area src/shape.cpp:47', 'TotalArea src/shape.cpp:59' },
    'workspace symbols matching "area"')
end)
