-- A code template accepted from the completion list and its placeholders filled, as a
-- snippet engine does it (Neovim 0.7 has none of its own).
local c = dofile(vim.env.ZENTREL_SOURCE_DIR .. '/tests/lsp/nvim/client.lua')

-- The snippet's text with values[n] (else the default) for each $n, ${n}, ${n:default}, and
-- the byte offset of $0 (else the end).
local function expand(snippet, values)
  local text, caret, i = '', nil, 1
  local function stop(n, default)
    if n == 0 then
      caret = #text
    else
      text = text .. (values[n] or default)
    end
  end
  while i <= #snippet do
    local digits = snippet:match('^%$(%d+)', i)
    local braced = snippet:match('^%${(%d+)', i)
    if snippet:sub(i, i) == '\\' then
      text = text .. snippet:sub(i + 1, i + 1)
      i = i + 2
    elseif digits then
      stop(tonumber(digits), '')
      i = i + 1 + #digits
    elseif braced then
      i = i + 2 + #braced
      local default = ''
      if snippet:sub(i, i) == ':' then
        i = i + 1
        while i <= #snippet and snippet:sub(i, i) ~= '}' do
          i = i + (snippet:sub(i, i) == '\\' and 1 or 0)
          default = default .. snippet:sub(i, i)
          i = i + 1
        end
      end
      c.check(snippet:sub(i, i) == '}', 'unclosed placeholder in %q', snippet)
      stop(tonumber(braced), default)
      i = i + 1
    else
      text = text .. snippet:sub(i, i)
      i = i + 1
    end
  end
  return text, caret or #text
end

-- Accepts the item labelled label at the end of the cursor's line, as after typing it there.
local function accept(label, values)
  local row, col = c.cursor()[1], #vim.fn.getline('.')
  local params = vim.lsp.util.make_text_document_params()
  params = { textDocument = params, position = { line = row - 1, character = col } }
  local result = c.request('textDocument/completion', params)
  local items = result and (result.items or result) or {}
  local item
  for _, candidate in ipairs(items) do
    item = item or (candidate.label == label and candidate or nil)
  end
  c.check(item, 'no completion item %q among %d', label, #items)
  c.equal(item.insertTextFormat, 2, 'format of ' .. label)
  local edit = item.textEdit
  local first = edit and edit.range.start.character or vim.fn.match(vim.fn.getline('.'):sub(1, col), '\\k*$')
  local text, caret = expand(edit and edit.newText or item.insertText or label, values)
  vim.api.nvim_buf_set_text(0, row - 1, first, row - 1, edit and edit.range['end'].character or col,
    vim.split(text, '\n', true))
  local before = vim.split(text:sub(1, caret), '\n', true)
  local last = #before == 1 and first or 0
  vim.api.nvim_win_set_cursor(0, { row + #before - 1, last + #before[#before] })
end

c.run(function()
  vim.o.virtualedit = 'onemore' -- the cursor may stand after the last character, as in insert mode
  c.start(c.workspace('examples'))
  c.open('src/main.cpp')
  vim.api.nvim_buf_set_lines(0, -1, -1, false, { '', 'fo' })
  vim.api.nvim_win_set_cursor(0, { vim.api.nvim_buf_line_count(0), 0 })
  local row = c.cursor()[1]
  accept('for', { 'k', 'count' })
  c.equal(vim.api.nvim_buf_get_lines(0, row - 1, -1, false),
    { 'for (int k = 0; k < count; ++k)', '{', '\t', '}', '' }, 'the expanded template')
  c.equal(c.cursor(), { row + 2, 1 }, 'the cursor at the template\'s caret place')
end)
